// Page "TIME" of the settings sheet: work and rest lengths, the planned end time, and
// whether the day records are written. It writes Property only when applied.
#pragma once

#include <string>

class Master;
class Property;

struct TimePageTexts {
    std::string work;      // edit 1
    std::string rest;      // edit 2
    std::string endLabel;  // label 4
    bool logChecked = false;
};

class TimePage {
public:
    // What the page shows when it opens.
    static TimePageTexts opening(const Property& property);
    // Label 4 while edit 1 is being typed into; it follows any value, also past 300.
    static std::string endLabelFor(const char* workText);
    // Apply: lengths checked in order (work first), a rejected one takes its default with
    // a message; the rest in progress takes the new rest length; the tray shows it at once.
    static void apply(Master& master, const char* workText, const char* restText, bool logChecked);
};
