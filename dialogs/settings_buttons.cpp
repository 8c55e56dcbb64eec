#include "dialogs/settings_buttons.h"

int buttonForMoveKind(uint8_t code) {
    switch (code) {
    case 0: return 14;
    case 1: return 13;
    case 3: return 12;
    default: return 11;
    }
}

uint8_t moveKindForButton(int id) {
    switch (id) {
    case 12: return 3;
    case 13: return 1;
    case 14: return 0;
    default: return 2;  // 11, and anything unknown: left to right
    }
}

int buttonForMoveSize(uint8_t code) { return code == 0 ? 15 : code == 2 ? 17 : 16; }
uint8_t moveSizeForButton(int id) { return id == 15 ? 0 : id == 17 ? 2 : 1; }

int buttonForMoveSpeed(uint8_t code) { return code == 0 ? 18 : code == 2 ? 20 : 19; }
uint8_t moveSpeedForButton(int id) { return id == 18 ? 0 : id == 20 ? 2 : 1; }

int buttonForSoundKind(uint8_t code) { return code >= 1 && code <= 7 ? SoundFirst - 1 + code : SoundLast; }

uint8_t soundKindForButton(int id) {
    return id >= SoundFirst && id <= SoundFirst + 6 ? static_cast<uint8_t>(id - SoundFirst + 1) : 0;
}
