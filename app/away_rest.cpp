// Time away from the PC counted as rest: no keyboard or mouse input, or a locked session,
// for the set number of minutes turns a work period into a rest that began when the
// person left.
#include "app/icon.h"
#include "app/master.h"
#include "app/menu.h"
#include "records/log.h"
#include "timer/options.h"
#include "timer/property.h"

namespace {
constexpr uint32_t MillisecondsPerMinute = 60000;
}  // namespace

uint32_t Master::awayMilliseconds() const {
    const platform::InputTicks ticks = platform::inputTicks();
    // Unsigned 32-bit differences stay right across the tick count's wrap.
    uint32_t away = ticks.now - ticks.lastInput;
    if (sessionLocked) {
        const uint32_t locked = ticks.now - lockedAt;
        if (locked > away) away = locked;
    }
    return away;
}

bool Master::personAway() const {
    // A locked screen has nobody in front of it from the first moment.
    if (sessionLocked) return true;
    return options->awayMinutes >= 1 &&
           awayMilliseconds() / MillisecondsPerMinute >= static_cast<uint32_t>(options->awayMinutes);
}

bool Master::restWhileAway() {
    if (property->phase != Working && property->phase != WorkOver) return false;
    const uint32_t away = awayMilliseconds();
    const uint32_t awayMinutes = away / MillisecondsPerMinute;
    if (options->awayMinutes < 1 || awayMinutes < static_cast<uint32_t>(options->awayMinutes)) return false;

    // The rest began when they left: it has lasted the whole minutes away, and it is an
    // ordinary rest of the set length.
    property->phase = Resting;
    property->currentRestMinutes = property->restMinutes;
    property->elapsedMinutes = static_cast<int32_t>(awayMinutes);
    // A running notice series ends with the run on screen; a pending work-end balloon has
    // been answered by the rest itself.
    repeatCount = 1;
    balloonPending = 0;
    icon->showPhase();
    menu->update();
    log->recordAwayAsRest(away / 1000);
    return true;
}

void Master::onSessionChange(uintptr_t event) {
    if (event == platform::SessionLock) {
        sessionLocked = true;
        lockedAt = platform::inputTicks().now;
    } else if (event == platform::SessionUnlock) {
        sessionLocked = false;
    }
}
