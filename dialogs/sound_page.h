// Page "SOUND" of the settings sheet: the alert sound, heard once when picked, and the
// WAV file. It writes Property only when applied.
#pragma once

#include <cstdint>

#include "timer/options.h"
#include "timer/property.h"

class Master;

class SoundPage {
public:
    // The WAV path being edited, in the system's code page (for param.dat).
    char wavFileBuffer[WavPathSize] = {};
    // The same path whole (UTF-8) when the system's code page cannot spell it; the buffer
    // above is then empty. Empty otherwise.
    char wavFileWide[WavPathUtf8Size] = {};

    // Opening: the buffers take the saved path; returns the radio button to check.
    int open(const Property& property, const char* widePath = "");
    // The file chooser's result: `ansi` in the system's code page (`exact`: every character
    // could be spelt there) and `utf8`, the path itself.
    void takeChosenPath(const char* ansi, bool exact, const char* utf8);
    // A radio button: plays what it stands for (a WAV file only once one has been chosen
    // in this run). True when `id` is one of the radio buttons, to be checked.
    bool click(Master& master, int id);
    // The file chooser returned a file: from now on WAV alerts play.
    void fileChosen(Master& master);
    // Apply: the checked button's kind and the edited path.
    void apply(Master& master, int checkedId);
};
