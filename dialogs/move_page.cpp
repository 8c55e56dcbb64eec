#include "dialogs/move_page.h"

#include "app/master.h"
#include "platform/platform.h"
#include "dialogs/settings_buttons.h"
#include "notice/notice_window.h"
#include "timer/property.h"

namespace {
void parkNotice(Master& master) {
    if (master.noticeWindow) parkNoticeWindow(master.noticeWindow);
}
}  // namespace

MoveChecks MovePage::open(const Property& property) {
    savedColor = property.noticeColor;
    savedMoveKind = property.moveKind;
    savedMoveSize = property.moveSize;
    savedMoveSpeed = property.moveSpeed;
    chosenColour = property.noticeColor;
    return MoveChecks{buttonForMoveKind(property.moveKind), buttonForMoveSize(property.moveSize),
                      buttonForMoveSpeed(property.moveSpeed)};
}

RadioRange MovePage::click(Master& master, int id) {
    Property& property = *master.property;
    if (id >= MoveKindFirst && id <= MoveKindLast) {
        property.moveKind = moveKindForButton(id);
        return RadioRange{MoveKindFirst, MoveKindLast};
    }
    if (id >= MoveSizeFirst && id <= MoveSizeLast) {
        property.moveSize = moveSizeForButton(id);
        return RadioRange{MoveSizeFirst, MoveSizeLast};
    }
    if (id >= MoveSpeedFirst && id <= MoveSpeedLast) {
        property.moveSpeed = moveSpeedForButton(id);
        return RadioRange{MoveSpeedFirst, MoveSpeedLast};
    }
    if (id == MovePreviewButton) master.previewNotice();
    return RadioRange{};
}

void MovePage::takeColour(Master& master, uint32_t colour) {
    chosenColour = colour;
    master.property->noticeColor = colour;
}

void MovePage::showSample(Master& master, int screenWidth, int screenHeight) {
    if (!master.noticeWindow) return;
    platform::moveWindow(master.noticeWindow, screenWidth / 2 - screenWidth / 8, screenHeight / 2 - screenHeight / 8,
                         screenWidth / 4, screenHeight / 4, true);
    platform::setWindowOpacity(master.noticeWindow, 128);
    platform::invalidateWindow(master.noticeWindow);
}

void MovePage::apply(Master& master, const MoveChecks& checked) {
    savedMoveKind = moveKindForButton(checked.kind);
    savedMoveSize = moveSizeForButton(checked.size);
    savedMoveSpeed = moveSpeedForButton(checked.speed);
    savedColor = chosenColour;
    parkNotice(master);
}

void MovePage::cancel(Master& master) {
    Property& property = *master.property;
    property.moveKind = savedMoveKind;
    property.moveSize = savedMoveSize;
    property.moveSpeed = savedMoveSpeed;
    property.noticeColor = savedColor;
    parkNotice(master);
}
