#include "dialogs/sound_page.h"

#include <cstring>

#include "app/master.h"
#include "dialogs/settings_buttons.h"
#include "timer/sound.h"

namespace {
// Bounded copy that always leaves a terminated text in the whole field.
template <size_t Size>
void copyPath(char (&to)[Size], const char* from) {
    std::memset(to, 0, Size);
    std::memcpy(to, from, strnlen(from, Size - 1));
}
}  // namespace

int SoundPage::open(const Property& property, const char* widePath) {
    copyPath(wavFileBuffer, property.wavPath);
    copyPath(wavFileWide, widePath);
    return buttonForSoundKind(property.soundKind);
}

bool SoundPage::click(Master& master, int id) {
    if (id < SoundFirst || id > SoundLast) return false;
    master.sound->preview(soundKindForButton(id), wavFileBuffer, wavFileWide);
    return true;
}

void SoundPage::fileChosen(Master& master) { master.sound->fileChosen = 1; }

void SoundPage::apply(Master& master, int checkedId) {
    Property& property = *master.property;
    property.soundKind = soundKindForButton(checkedId);
    wavFileBuffer[WavPathSize - 1] = 0;
    copyPath(property.wavPath, wavFileBuffer);
    copyPath(master.options->wavPathUtf8, wavFileWide);
}

void SoundPage::takeChosenPath(const char* ansi, bool exact, const char* utf8) {
    // param.dat's path stays in the system's code page, where an older version reads it:
    // a path that code page cannot spell is kept whole beside it, and param.dat's left
    // empty rather than naming some other file.
    copyPath(wavFileBuffer, exact ? ansi : "");
    copyPath(wavFileWide, exact ? "" : utf8);
}
