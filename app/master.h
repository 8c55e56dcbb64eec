// The one owner of everything, and the work timer's operations.
//
// Master is built after the single-instance check has passed, owns every other object,
// and tears them down in a fixed order: the day record is saved while the settings still
// exist, then the settings are saved.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/platform.h"
#include "timer/phase.h"

class Property;
struct Options;
class Sound;
class Log;
class Icon;
class Menu;

// Commands of the tray menu (WM_COMMAND ids).
enum Command : unsigned {
    CmdStartWork = 40001,
    CmdStartRest = 40002,
    CmdStop = 40003,
    CmdPause30 = 40004,
    CmdPause60 = 40005,
    CmdPause120 = 40006,
    CmdPauseMenu = 40007,  // the submenu "一時停止" itself
    CmdSettings = 40011,
    CmdWorkStatus = 40012,
    CmdEvaluation = 40013,
    CmdVersion = 40014,
    CmdExit = 40021,
};

// Tray callback events (lParam of message 0x8064).
enum TrayEvent : unsigned {
    TrayMouseMove = 0x200,
    TrayLeftDown = 0x201,
    TrayRightDown = 0x204,
    TrayBalloonClick = 0x405,
};

constexpr unsigned TrayCallbackMessage = 0x8064;  // WM_APP + 100
constexpr unsigned MinuteTimerId = 1;
constexpr unsigned NoticeHoleTimerId = 1;

class Master {
public:
    Master();
    ~Master();
    Master(const Master&) = delete;
    Master& operator=(const Master&) = delete;

    platform::WindowHandle mainWindow = nullptr;
    platform::WindowHandle noticeWindow = nullptr;
    std::unique_ptr<Property> property;
    std::unique_ptr<Sound> sound;
    std::unique_ptr<Log> log;
    std::unique_ptr<Icon> icon;
    std::unique_ptr<Menu> menu;
    std::unique_ptr<Options> options;  // restwarden.ini
    std::atomic<uint8_t> animating{0};
    std::atomic<uint8_t> repeatCount{1};
    std::atomic<uint32_t> threadId{0};
    uint8_t balloonPending = 0;
    // Minutes until a timed pause ends and work starts by itself; 0 when not paused.
    // Never saved: a program started again starts work as always.
    int32_t pauseMinutesLeft = 0;
    // The session is locked, since the tick count `lockedAt`. Written on the UI thread; the
    // notice worker reads them when it asks whether anybody is there for the next run.
    std::atomic<bool> sessionLocked{false};
    std::atomic<uint32_t> lockedAt{0};
    // The rest ended while nobody was there: its balloon waits for the person's return.
    bool restEndWaiting = false;

    // Shell state beside Master, touched only on the UI thread.
    platform::TrayData trayData;
    std::array<uint8_t, 5> dialogOpen{};  // indexed by platform::Dialog

    // ---- The work timer.
    void startWork();
    void startRest();
    void stop();
    void pause(int32_t minutes);  // stops now and starts work again after `minutes` ticks
    void clickThrough();
    void tick();
    void playAlert();
    // Starts a notice series of `runs` runs with its sound, unless keepQuiet says no.
    void startNoticeSeries(uint8_t runs);
    // No sweep and no sound now: nobody is at the desk, or the person is busy in a
    // full-screen program and the option says to keep quiet then. Asked before every run.
    bool keepQuiet() const;
    // Redraws the tray face and tip after a dialog changed the lengths.
    void showMinute();
    // Takes the face the options' language asks for: the menu and the tip change at once,
    // the balloons and dialogs from their next showing.
    void applyLanguage();

    // ---- Time away from the PC (app/away_rest.cpp).
    // Milliseconds since the last input, or since the lock if the session is locked longer.
    uint32_t awayMilliseconds() const;
    // Nobody has touched keyboard or mouse for the away minutes, or the session is locked.
    bool personAway() const;
    // At a tick while working: a person away for the set minutes is taken to have been
    // resting since they left. True when the phase became Resting.
    bool restWhileAway();
    void onSessionChange(uintptr_t event);  // SessionLock, SessionUnlock; others ignored

    // ---- The notice animation (one run at a time; see notice/).
    void startNotice();
    void previewNotice();
    void noticeEnded();

    // ---- The three balloon notices of the tick.
    void showWorkEndNotice();
    void showOverrunNotice();
    void showRestEndNotice();
    // Shows a rest-end balloon that waited for the person, once they are back.
    void showWaitingRestEnd();
    void showPauseEndNotice();
    bool showBalloon(const char* title, const char* text);

    // ---- The main window's messages, as plain calls.
    // Creation: registers the tray icon (retrying while the shell times out), loads the
    // menu, creates the MCI window, starts the minute timer and a work period. False when
    // the tray icon could not be registered (the caller then closes the window).
    bool onCreate(platform::WindowHandle window);
    void onClose();    // closes the notice window first
    void onDestroy();  // timer, MCI window, menu, tray icon, quit
    void onCommand(unsigned id);
    void onTrayCallback(uintptr_t wParam, uintptr_t lParam);
    // The taskbar was re-created (Explorer restarted): put the icon back as it was.
    void onTaskbarCreated();
    // Windows is ending the session: save what a normal exit saves (today's record,
    // param.dat, restwarden.ini), now.
    void saveForShutdown();

    // Opens a dialog unless it is already open.
    void openGuardedDialog(platform::Dialog which);
};

// The program's one Master; null before the entry has built it and after teardown.
extern Master* theMaster;
