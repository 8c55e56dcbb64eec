// The program's texts in the language of its face, from the one table in text_table.h.
//
// The face is chosen once at start and again when the user picks another language; every
// text is looked up when it is shown, so a change reaches the menu, the tip and the
// balloons at once. Texts are code page 932 bytes (English is plain ASCII in it).
#pragma once

#include <cstdint>

#include "platform/text_table.h"

namespace texts {

enum class Language : uint8_t { Japanese, English };
constexpr int LanguageCount = 2;

#define RESTWARDEN_TEXT_ID(name, ...) name,
enum Id : int { RESTWARDEN_TEXTS(RESTWARDEN_TEXT_ID) Count };
#undef RESTWARDEN_TEXT_ID

// The choice kept in restwarden.ini: the user's display language, or one fixed face.
enum Choice : uint8_t { ChoiceAuto = 0, ChoiceJapanese = 1, ChoiceEnglish = 2 };
constexpr const char* ChoiceNames[] = {"auto", "ja", "en"};
// Automatic means Japanese only for a Japanese display language, English for any other.
constexpr Language resolve(uint8_t choice, bool userLanguageIsJapanese) {
    return choice == ChoiceJapanese                           ? Language::Japanese
           : choice == ChoiceEnglish                          ? Language::English
           : userLanguageIsJapanese ? Language::Japanese : Language::English;
}

void setLanguage(Language language);
Language language();
inline bool english() { return language() == Language::English; }

// The text in the current face, and in a given one.
const char* get(Id id);
const char* in(Id id, Language language);

// A Japanese text of the table (a verdict kept in its record as code page 932) in the
// current face; a text not in the table comes back as it is.
const char* translate(const char* japanese);

}  // namespace texts
