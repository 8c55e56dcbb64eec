#include "timer/sound.h"

#include "app/master.h"
#include "timer/property.h"

Sound::Sound(Master* owner) : master(owner), wavPathRef(owner->property->wavPath) {}

bool Sound::beepTypeFor(uint8_t kind, uint32_t& type) {
    static constexpr uint32_t types[6] = {0x00, 0x10, 0x20, 0x30, 0x40, 0xFFFFFFFFu};
    if (kind < 1 || kind > 6) return false;
    type = types[kind - 1];
    return true;
}

void Sound::createWindow() { mciWindow = platform::createMciWindow(master->mainWindow); }

void Sound::play() { preview(master->property->soundKind, wavPathRef); }

void Sound::preview(uint8_t kind, const char* path) {
    uint32_t type = 0;
    if (beepTypeFor(kind, type)) {
        platform::messageBeep(type);
        return;
    }
    if (kind != SoundKindWav || !fileChosen || !mciWindow) return;
    // Close, open, play: every alert starts the file from its beginning and cuts off one
    // still playing.
    platform::sendMessage(mciWindow, MciCloseMessage, 0, 0);
    platform::sendMessage(mciWindow, MciOpenMessage, 0, reinterpret_cast<intptr_t>(path));
    platform::sendMessage(mciWindow, MciPlayMessage, 0, 0);
}

void Sound::closeWindow() {
    if (!mciWindow) return;
    platform::closeWindow(mciWindow);
    mciWindow = nullptr;
}
