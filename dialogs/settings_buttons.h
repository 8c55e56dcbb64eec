// Control ids of the settings sheet's pages, and the translation between the radio
// buttons and the codes kept in Property.
//
// Codes that a damaged param.dat may hold outside the known range show the default
// button; a button id that belongs to no group gives the default code.
#pragma once

#include <cstdint>

// Page "TIME".
constexpr int TimeWorkEdit = 1;
constexpr int TimeRestEdit = 2;
constexpr int TimeLogCheck = 3;
constexpr int TimeEndLabel = 4;

// Page "MOVE": three radio groups, the colour swatch and the preview button.
constexpr int MoveKindFirst = 11;  // 左→右, 上→下, フェードイン, なし
constexpr int MoveKindLast = 14;
constexpr int MoveSizeFirst = 15;  // 大, 中, 小
constexpr int MoveSizeLast = 17;
constexpr int MoveSpeedFirst = 18;  // 速い, 普通, 遅い
constexpr int MoveSpeedLast = 20;
constexpr int MoveColourSwatch = 21;
constexpr int MovePreviewButton = 22;

// Page "SOUND": radios 31..38 form one range (38 is なし), then browse and the path.
constexpr int SoundFirst = 31;
constexpr int SoundLast = 38;
constexpr int SoundBrowseButton = 39;
constexpr int SoundPathEdit = 40;

int buttonForMoveKind(uint8_t code);
uint8_t moveKindForButton(int id);
int buttonForMoveSize(uint8_t code);
uint8_t moveSizeForButton(int id);
int buttonForMoveSpeed(uint8_t code);
uint8_t moveSpeedForButton(int id);
int buttonForSoundKind(uint8_t code);
uint8_t soundKindForButton(int id);
