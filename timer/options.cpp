#include "timer/options.h"

#include <cctype>
#include <cstring>
#include <iterator>
#include <type_traits>
#include <vector>

#include "platform/data_files.h"
#include "platform/texts.h"

namespace {

// The file is a few dozen bytes; a larger one is read no further than this, so a huge or
// foreign file costs no memory worth speaking of.
constexpr size_t MaxFileBytes = 64 * 1024;

template <auto Field>
int32_t get(const Options& options) {
    return static_cast<int32_t>(options.*Field);
}

template <auto Field>
void set(Options& options, int32_t value) {
    using Type = std::remove_reference_t<decltype(options.*Field)>;
    options.*Field = static_cast<Type>(value);
}

struct Key {
    const char* name;
    int32_t lowest, highest;
    int32_t (*read)(const Options&);
    void (*write)(Options&, int32_t);
    const char* const* words = nullptr;  // a word-valued key: its words stand for lowest..highest
};

// One line per option, in the order they are written; the default is Options{}'s.
#define OPTION(field, lowest, highest) Key{#field, lowest, highest, get<&Options::field>, set<&Options::field>}
const Key Keys[] = {
    OPTION(awayIsRest, 0, 1),
    OPTION(awayMinutes, 1, 60),
    OPTION(quietFullscreen, 0, 1),
    OPTION(allMonitors, 0, 1),
    Key{"language", texts::ChoiceAuto, texts::ChoiceEnglish, get<&Options::language>, set<&Options::language>,
        texts::ChoiceNames},
};
#undef OPTION
constexpr const char* WavPathKey = "wavPathUtf8";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && isBlank(text[first])) ++first;
    while (last > first && isBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

// Keys and section names compare without regard to case, as Windows' own ini files do.
bool sameName(const std::string& a, const char* b) {
    const size_t n = std::strlen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// A plain decimal with an optional sign and nothing after it; false for anything else,
// including a number too long to be any option's value.
bool parseValue(const std::string& text, int32_t& out) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size() || text.size() - i > 9) return false;
    int32_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    out = negative ? -value : value;
    return true;
}

// One of a word-valued key's words, in any case.
bool parseWord(const std::string& text, const Key& key, int32_t& out) {
    for (int32_t value = key.lowest; value <= key.highest; ++value)
        if (sameName(text, key.words[value - key.lowest])) {
            out = value;
            return true;
        }
    return false;
}

std::string valueText(const Key& key, const Options& options) {
    const int32_t value = key.read(options);
    if (key.words && value >= key.lowest && value <= key.highest) return key.words[value - key.lowest];
    return std::to_string(value);
}

}  // namespace

Options parseOptions(const std::string& text) {
    Options options;
    bool seen[std::size(Keys)] = {};
    bool seenPath = false;
    bool inOptions = false;
    // A byte-order mark, as some editors put before UTF-8 text, is no part of the first line.
    size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            inOptions = close != std::string::npos && sameName(trimmed(line.substr(1, close - 1)), "options");
            continue;
        }
        const size_t equals = line.find('=');
        if (!inOptions || equals == std::string::npos) continue;
        const std::string name = trimmed(line.substr(0, equals));
        if (!seenPath && sameName(name, WavPathKey)) {
            seenPath = true;
            const std::string value = trimmed(line.substr(equals + 1));
            if (value.size() < sizeof options.wavPathUtf8 && value.find('\0') == std::string::npos)
                std::memcpy(options.wavPathUtf8, value.c_str(), value.size() + 1);
            continue;
        }
        for (size_t k = 0; k < std::size(Keys); ++k) {
            // The first line of a key decides, as for Windows' own reader.
            if (seen[k] || !sameName(name, Keys[k].name)) continue;
            seen[k] = true;
            int32_t value = 0;
            const std::string given = trimmed(line.substr(equals + 1));
            const bool valid = Keys[k].words ? parseWord(given, Keys[k], value)
                                             : parseValue(given, value) && value >= Keys[k].lowest &&
                                                   value <= Keys[k].highest;
            if (valid)
                Keys[k].write(options, value);
        }
    }
    return options;
}

std::string formatOptions(const Options& options) {
    std::string text = "[options]\r\n";
    for (const Key& key : Keys) text += std::string(key.name) + "=" + valueText(key, options) + "\r\n";
    if (options.wavPathUtf8[0]) text += std::string(WavPathKey) + "=" + options.wavPathUtf8 + "\r\n";
    return text;
}

Options loadOptions() {
    std::vector<uint8_t> bytes;
    if (!datafiles::readFile(OptionsFileName, bytes, MaxFileBytes)) return Options{};
    return parseOptions(std::string(bytes.begin(), bytes.end()));
}

bool saveOptions(const Options& options) {
    const std::string text = formatOptions(options);
    return datafiles::replaceFile(OptionsFileName, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}
