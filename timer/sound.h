// The alert sound: one of six system sounds, or a WAV file through a hidden MCI window.
#pragma once

#include <atomic>
#include <cstdint>

#include "platform/platform.h"

class Master;

// MCI window messages, in the order an alert sends them.
constexpr unsigned MciCloseMessage = 0x804;  // MCI_CLOSE
constexpr unsigned MciOpenMessage = 0x499;   // MCIWNDM_OPENA
constexpr unsigned MciOpenWideMessage = 0x4FC;  // MCIWNDM_OPENW, for a path the code page cannot spell
constexpr unsigned MciPlayMessage = 0x806;   // MCI_PLAY
constexpr uint8_t SoundKindWav = 7;

class Sound {
public:
    explicit Sound(Master* master);

    Master* master;
    platform::WindowHandle mciWindow = nullptr;
    const char* wavPathRef;  // the settings' wavPath, so it always shows the current value
    // A file was picked in the settings' chooser during this run. Atomic because the
    // notice worker reads it when it plays the alert for a further run.
    std::atomic<uint8_t> fileChosen{0};

    void createWindow();
    void play();
    // `widePath` (UTF-8), when given and not empty, is played instead of `path`.
    void preview(uint8_t kind, const char* path, const char* widePath = nullptr);
    // The chosen file's whole path from restwarden.ini while param.dat's path is empty, else "".
    const char* widePath() const;
    void closeWindow();

    // What MessageBeep is given for the system kinds 1..6; false for every other kind.
    static bool beepTypeFor(uint8_t kind, uint32_t& type);
};
