#include "app/menu.h"

#include "app/master.h"
#include "platform/texts.h"
#include "timer/property.h"

void Menu::load() {
    menuBar = platform::loadMenu("POPUPMENU");
    popup = menuBar ? platform::subMenu(menuBar, 0) : nullptr;
    applyTexts();
}

void Menu::applyTexts() {
    if (!menuBar) return;
    static constexpr struct {
        unsigned id;
        texts::Id text;
    } Items[] = {
        {CmdStartWork, texts::MenuStartWork}, {CmdStartRest, texts::MenuStartRest},
        {CmdStop, texts::MenuStop},           {CmdPauseMenu, texts::MenuPause},
        {CmdPause30, texts::MenuPause30},     {CmdPause60, texts::MenuPause60},
        {CmdPause120, texts::MenuPause120},   {CmdSettings, texts::MenuSettings},
        {CmdWorkStatus, texts::MenuWorkStatus}, {CmdEvaluation, texts::MenuEvaluation},
        {CmdVersion, texts::MenuVersion},     {CmdExit, texts::MenuExit},
    };
    for (const auto& item : Items) platform::setMenuItemText(menuBar, item.id, texts::get(item.text));
}

void Menu::destroy() {
    // The popup belongs to the menu bar and goes with it; destroying it again would act
    // on a dead handle.
    if (menuBar) platform::destroyMenu(menuBar);
    menuBar = nullptr;
    popup = nullptr;
}

void Menu::enableItem(unsigned id) {
    if (!menuBar) return;
    int32_t state = platform::menuItemState(menuBar, id);
    if (state >= 0 && (state & MenuStateGrayed) != 0) platform::setMenuItemState(menuBar, id, 0);
}

void Menu::grayItem(unsigned id) {
    if (!menuBar) return;
    if (platform::menuItemState(menuBar, id) < 0) return;
    platform::setMenuItemState(menuBar, id, MenuStateGrayed);
}

void Menu::update() {
    enableItem(CmdStartWork);
    enableItem(CmdStop);
    enableItem(CmdStartRest);
    enableItem(CmdPauseMenu);
    switch (master->property->phase) {
    case Stopped:
        // During a timed pause "停止" stays: it turns the pause into a stop that no timer
        // ends, for someone who leaves for the day.
        if (master->pauseMinutesLeft <= 0) grayItem(CmdStop);
        grayItem(CmdPauseMenu);
        break;
    case Working: grayItem(CmdStartWork); break;
    case Resting: grayItem(CmdStartRest); break;
    default: break;
    }
}
