#include "platform/texts.h"

#include <cstring>
#include <iterator>

namespace texts {

namespace {

#define RESTWARDEN_TEXT_ROW(name, ...) {__VA_ARGS__},
const char* const Table[][LanguageCount] = {RESTWARDEN_TEXTS(RESTWARDEN_TEXT_ROW)};
#undef RESTWARDEN_TEXT_ROW
static_assert(std::size(Table) == Count, "one row per text");

Language current = Language::Japanese;

}  // namespace

void setLanguage(Language language) { current = language; }
Language language() { return current; }

const char* in(Id id, Language language) { return Table[id][static_cast<int>(language)]; }
const char* get(Id id) { return in(id, current); }

const char* translate(const char* japanese) {
    for (const auto& row : Table)
        if (std::strcmp(row[0], japanese) == 0) return row[static_cast<int>(current)];
    return japanese;
}

}  // namespace texts
