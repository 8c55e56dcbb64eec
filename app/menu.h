// The tray icon's popup menu, with the item that would restart the current phase greyed.
#pragma once

#include "platform/platform.h"

class Master;

constexpr uint32_t MenuStateGrayed = 3;  // MFS_GRAYED

class Menu {
public:
    explicit Menu(Master* master) : master(master) {}

    Master* master;
    platform::MenuHandle menuBar = nullptr;
    platform::MenuHandle popup = nullptr;

    void load();
    // Gives every item its text in the current language.
    void applyTexts();
    void destroy();
    void update();
    void enableItem(unsigned id);
    void grayItem(unsigned id);
};
