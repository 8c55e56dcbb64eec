#include "dialogs/long_rest.h"

#include "app/master.h"
#include "dialogs/minutes_entry.h"
#include "timer/property.h"

LongRest::Action LongRest::forCommand(unsigned id) {
    if (id == OkId) return Action::Confirm;
    if (id == CancelId) return Action::Close;
    return Action::Nothing;
}

void LongRest::confirm(Master& master, const char* text) {
    acceptMinutes(master, text, 5, "休憩時間は0以上、300以下です", {&master.property->currentRestMinutes});
    master.showMinute();
}
