// The long-rest dialog: one rest of a length of its own (a lunch break), without
// touching the rest-length setting.
#pragma once

class Master;

class LongRest {
public:
    // The edit always opens on 60, whatever the rest in progress lasts.
    static constexpr const char* InitialText = "60";
    static constexpr unsigned OkId = 1;
    static constexpr unsigned CancelId = 7;

    enum class Action { Nothing, Close, Confirm };
    // OK confirms, キャンセル closes; every other id, Escape's IDCANCEL among them, does
    // nothing, so the dialog stays open.
    static Action forCommand(unsigned id);
    // OK: the rest in progress lasts the typed minutes (5 and a message when out of
    // range); the tray shows the new length at once.
    static void confirm(Master& master, const char* text);
};
