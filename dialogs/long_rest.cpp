#include "dialogs/long_rest.h"

#include "app/master.h"
#include "dialogs/minutes_entry.h"
#include "platform/texts.h"
#include "timer/property.h"

LongRest::Action LongRest::forCommand(unsigned id) {
    if (id == OkId) return Action::Confirm;
    if (id == CancelId) return Action::Close;
    return Action::Nothing;
}

void LongRest::confirm(Master& master, const char* text) {
    acceptMinutes(master, text, 5, texts::get(texts::RestOutOfRange), {&master.property->currentRestMinutes});
    master.showMinute();
}
