// Page "MOVE" of the settings sheet: how the notice comes in, and its colour.
//
// Unlike the other pages it writes Property the moment a button is clicked, so that the
// preview and the next notice use the choice at once; it keeps copies of the values to
// put back on Cancel. The copies and the chosen colour live for the whole run.
#pragma once

#include <cstdint>

class Master;
class Property;

struct MoveChecks {
    int kind = 0;
    int size = 0;
    int speed = 0;
};

struct RadioRange {
    int first = 0;
    int last = 0;
    bool empty() const { return first == 0; }
};

class MovePage {
public:
    uint8_t savedMoveKind = 0;
    uint8_t savedMoveSize = 0;
    uint8_t savedMoveSpeed = 0;
    uint32_t savedColor = 0;
    // The colour chooser's current colour; the swatch shows it.
    uint32_t chosenColour = 0;

    // Opening: takes the copies and says which radio button to check in each group.
    MoveChecks open(const Property& property);
    // A click on a radio button (written to Property at once; the group to re-check is
    // returned) or on "動きを見る" (one run of the notice). Other ids do nothing.
    RadioRange click(Master& master, int id);
    // After the colour chooser has closed, chosen or cancelled: the notice takes its colour.
    void takeColour(Master& master, uint32_t colour);
    // The notice window as a translucent sample, a quarter of the screen, centred.
    void showSample(Master& master, int screenWidth, int screenHeight);
    // Apply: the checked buttons and the chosen colour become what Cancel goes back to;
    // the sample is parked.
    void apply(Master& master, const MoveChecks& checked);
    // Cancel: the values of the last opening or Apply return; the sample is parked.
    void cancel(Master& master);
};
