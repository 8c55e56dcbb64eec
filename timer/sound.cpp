#include "timer/sound.h"

#include "app/master.h"
#include "platform/utf16.h"
#include "timer/options.h"
#include "timer/property.h"

Sound::Sound(Master* owner) : master(owner), wavPathRef(owner->property->wavPath) {}

bool Sound::beepTypeFor(uint8_t kind, uint32_t& type) {
    // Default beep, critical stop, question, exclamation, asterisk, simple beep.
    static constexpr uint32_t types[6] = {0x00, 0x10, 0x20, 0x30, 0x40, 0xFFFFFFFFu};
    if (kind < 1 || kind > 6) return false;
    type = types[kind - 1];
    return true;
}

void Sound::createWindow() { mciWindow = platform::createMciWindow(master->mainWindow); }

void Sound::play() { preview(master->property->soundKind, wavPathRef, widePath()); }

const char* Sound::widePath() const {
    if (wavPathRef[0] || !master->options) return "";
    return master->options->wavPathUtf8;
}

void Sound::preview(uint8_t kind, const char* path, const char* widePath) {
    uint32_t type = 0;
    if (beepTypeFor(kind, type)) {
        platform::messageBeep(type);
        return;
    }
    // A WAV alert needs a file picked in this run: a path kept in param.dat from an
    // earlier run stays silent until the user chooses it again.
    if (kind != SoundKindWav || !fileChosen || !mciWindow) return;
    // Close, open, play: every alert starts the file from its beginning and cuts off one
    // still playing. A null path is sent as an empty one, which opens nothing: the MCI
    // window is never handed a null file name.
    platform::sendMessage(mciWindow, MciCloseMessage, 0, 0);
    if (widePath && *widePath) {
        const std::u16string wide = utf16Of(widePath);
        platform::sendMessage(mciWindow, MciOpenWideMessage, 0, reinterpret_cast<intptr_t>(wide.c_str()));
    } else {
        platform::sendMessage(mciWindow, MciOpenMessage, 0, reinterpret_cast<intptr_t>(path ? path : ""));
    }
    platform::sendMessage(mciWindow, MciPlayMessage, 0, 0);
}

void Sound::closeWindow() {
    if (!mciWindow) return;
    platform::closeWindow(mciWindow);
    mciWindow = nullptr;
}
