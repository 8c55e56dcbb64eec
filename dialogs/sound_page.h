// Page "SOUND" of the settings sheet: the alert sound, heard once when picked, and the
// WAV file. It writes Property only when applied.
#pragma once

#include <cstdint>

#include "timer/property.h"

class Master;

class SoundPage {
public:
    // The WAV path being edited; the file chooser reads and writes it in place.
    char wavFileBuffer[WavPathSize] = {};

    // Opening: the buffer takes the saved path; returns the radio button to check.
    int open(const Property& property);
    // A radio button: plays what it stands for (a WAV file only once one has been chosen
    // in this run). True when `id` is one of the radio buttons, to be checked.
    bool click(Master& master, int id);
    // The file chooser returned a file: from now on WAV alerts play.
    void fileChosen(Master& master);
    // Apply: the checked button's kind and the edited path.
    void apply(Master& master, int checkedId);
};
