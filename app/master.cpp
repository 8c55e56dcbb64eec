#include "app/master.h"

#include <cstring>

#include "app/icon.h"
#include "app/menu.h"
#include "notice/quiet_rule.h"
#include "platform/texts.h"
#include "records/log.h"
#include "timer/options.h"
#include "timer/property.h"
#include "timer/sound.h"

Master* theMaster = nullptr;

Master::Master() {
    property = std::make_unique<Property>(this);
    options = std::make_unique<Options>(loadOptions());
    texts::setLanguage(texts::resolve(options->language, platform::userLanguageIsJapanese()));
    sound = std::make_unique<Sound>(this);
    log = std::make_unique<Log>(this);
    icon = std::make_unique<Icon>(this);
    menu = std::make_unique<Menu>(this);
}

Master::~Master() {
    // The day record is saved while the settings (its logOutput flag) still exist; then
    // the settings and the options are saved; then the rest goes.
    log.reset();
    property.reset();
    saveOptions(*options);
    options.reset();
    sound.reset();
    icon.reset();
    menu.reset();
}

// ---- The work timer ------------------------------------------------------------------

void Master::startWork() {
    pauseMinutesLeft = 0;
    property->phase = Working;
    property->resetElapsed();
    icon->showPhase();
    menu->update();
}

void Master::startRest() {
    pauseMinutesLeft = 0;
    property->phase = Resting;
    property->currentRestMinutes = property->restMinutes;  // a long rest lasts one rest only
    property->resetElapsed();
    icon->showPhase();
    menu->update();
}

void Master::stop() {
    property->phase = Stopped;
    icon->showPhase();
    menu->update();
}

void Master::pause(int32_t minutes) {
    pauseMinutesLeft = minutes;  // first, so that the tip shows the pause
    stop();
}

void Master::clickThrough() {
    if (property->phase == WorkOver) {
        balloonPending = 0;
        startRest();
    } else if (property->phase == RestOver) {
        balloonPending = 0;
        startWork();
    }
}

void Master::tick() {
    // The pause's last minute is still recorded as stopped; work starts after it.
    const bool pauseEnds = pauseMinutesLeft > 0 && --pauseMinutesLeft == 0;
    showWaitingRestEnd();
    // Someone who left the desk has been resting; this tick then counts a minute of that rest.
    if (options->awayIsRest) restWhileAway();
    switch (property->advance()) {
    case TickReminder: {
        int64_t remaining = static_cast<int64_t>(property->workMinutes) - property->elapsedMinutes;
        startNoticeSeries(remaining <= 5 ? 3 : remaining <= 10 ? 2 : 1);
        break;
    }
    case TickWorkEnd:
        showWorkEndNotice();
        startNoticeSeries(1);
        break;
    case TickOverrun:
        showOverrunNotice();
        startNoticeSeries(3);
        break;
    case TickRestEnd:
        showRestEndNotice();  // the rest end comes alone: no notice, no sound
        break;
    default:
        break;
    }
    if (!pauseEnds) icon->showMinute();
    log->minuteTick();
    if (pauseEnds) {
        startWork();
        showPauseEndNotice();
    }
}

bool Master::keepQuiet() const {
    if (personAway()) return true;
    return options->quietFullscreen && personIsBusy(platform::userNotificationState(), platform::foregroundWindow());
}

void Master::startNoticeSeries(uint8_t runs) {
    // Skipped, not postponed: a sweep after the presentation or the meeting would remind
    // of nothing; the balloon and the tray still tell.
    if (keepQuiet()) return;
    repeatCount = runs;
    startNotice();
    playAlert();
}

void Master::playAlert() { sound->play(); }

void Master::showMinute() { icon->showMinute(); }

void Master::applyLanguage() {
    texts::setLanguage(texts::resolve(options->language, platform::userLanguageIsJapanese()));
    menu->applyTexts();
    if (trayData.window) icon->showMinute();
}

// ---- The main window -----------------------------------------------------------------

bool Master::onCreate(platform::WindowHandle window) {
    mainWindow = window;
    trayData = platform::TrayData{};
    trayData.window = window;
    trayData.icon = platform::loadIcon("IDI_RED1");
    std::strncpy(trayData.tip, texts::get(texts::AppTitle), sizeof trayData.tip - 1);
    for (;;) {
        if (platform::notifyIcon(platform::TrayOp::Add, trayData)) break;
        if (!platform::lastTrayFailureWasTimeout()) {
            platform::messageBox(nullptr, texts::get(texts::TrayFailure), "ERROR", 0x30);
            return false;
        }
        // The shell was too slow to answer; the icon may stand after all.
        if (platform::notifyIcon(platform::TrayOp::Modify, trayData)) break;
        platform::sleepMilliseconds(1000);
    }
    menu->load();
    sound->createWindow();
    platform::setWindowTimer(window, MinuteTimerId, 60000);
    platform::watchSessionChanges(window);
    startWork();
    dialogOpen.fill(0);
    return true;
}

void Master::onClose() {
    if (noticeWindow) platform::closeWindow(noticeWindow);
    noticeWindow = nullptr;
}

void Master::onDestroy() {
    if (mainWindow) {
        platform::killWindowTimer(mainWindow, MinuteTimerId);
        platform::unwatchSessionChanges(mainWindow);
    }
    sound->closeWindow();
    menu->destroy();
    if (trayData.window) platform::notifyIcon(platform::TrayOp::Delete, trayData);
    trayData.window = nullptr;
    platform::quitMessageLoop();
}

void Master::onTaskbarCreated() {
    if (trayData.window) platform::notifyIcon(platform::TrayOp::Add, trayData);
}

void Master::saveForShutdown() {
    log->saveTemp();
    property->save();
    saveOptions(*options);
}

void Master::openGuardedDialog(platform::Dialog which) {
    uint8_t& open = dialogOpen[static_cast<size_t>(which)];
    if (open) return;
    open = 1;
    platform::runDialog(which, mainWindow);
    open = 0;
}

void Master::onCommand(unsigned id) {
    switch (id) {
    case CmdStartWork: startWork(); break;
    case CmdStartRest: startRest(); break;
    case CmdStop:
        pauseMinutesLeft = 0;
        stop();
        break;
    case CmdPause30: pause(30); break;
    case CmdPause60: pause(60); break;
    case CmdPause120: pause(120); break;
    case CmdSettings: openGuardedDialog(platform::Dialog::Settings); break;
    case CmdWorkStatus: openGuardedDialog(platform::Dialog::WorkStatus); break;
    case CmdEvaluation:
        // The figures are compiled afresh for each opening, but never under an open report.
        if (!dialogOpen[static_cast<size_t>(platform::Dialog::Evaluation)]) log->compiled->evaluate();
        openGuardedDialog(platform::Dialog::Evaluation);
        break;
    case CmdVersion: openGuardedDialog(platform::Dialog::Version); break;
    case CmdExit: platform::closeWindow(mainWindow); break;
    default: break;
    }
}

void Master::onTrayCallback(uintptr_t wParam, uintptr_t lParam) {
    if (wParam != 0) return;
    switch (static_cast<unsigned>(lParam)) {
    case TrayLeftDown:
        platform::setForegroundWindow(mainWindow);
        if (balloonPending) clickThrough();
        else if (property->phase == Resting) openGuardedDialog(platform::Dialog::LongRest);
        break;
    case TrayRightDown: {
        platform::Point cursor = platform::cursorPosition();
        platform::setForegroundWindow(mainWindow);
        if (menu->popup) platform::trackPopupMenu(menu->popup, mainWindow, cursor.x, cursor.y);
        break;
    }
    case TrayBalloonClick:
        platform::setForegroundWindow(mainWindow);
        if (platform::leftButtonDown()) clickThrough();
        break;
    default:
        break;
    }
}
