#include "dialogs/sound_page.h"

#include <cstring>

#include "app/master.h"
#include "dialogs/settings_buttons.h"
#include "timer/sound.h"

namespace {
// Bounded copy that always leaves a terminated text in the whole field.
void copyPath(char (&to)[WavPathSize], const char* from) {
    std::memset(to, 0, sizeof to);
    std::memcpy(to, from, strnlen(from, sizeof to - 1));
}
}  // namespace

int SoundPage::open(const Property& property) {
    copyPath(wavFileBuffer, property.wavPath);
    return buttonForSoundKind(property.soundKind);
}

bool SoundPage::click(Master& master, int id) {
    if (id < SoundFirst || id > SoundLast) return false;
    master.sound->preview(soundKindForButton(id), wavFileBuffer);
    return true;
}

void SoundPage::fileChosen(Master& master) { master.sound->fileChosen = 1; }

void SoundPage::apply(Master& master, int checkedId) {
    Property& property = *master.property;
    property.soundKind = soundKindForButton(checkedId);
    wavFileBuffer[WavPathSize - 1] = 0;
    copyPath(property.wavPath, wavFileBuffer);
}
