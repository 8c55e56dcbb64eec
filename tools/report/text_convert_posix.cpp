#include "tools/report/text_convert.h"

#include <iconv.h>

#include <cerrno>

#include <vector>

std::string cp932ToUtf8(const std::string& text) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    std::string out;
    std::vector<char> input(text.begin(), text.end());
    char* in = input.data();
    size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* o = buffer;
        size_t oLeft = sizeof buffer;
        const size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
        out.append(buffer, static_cast<size_t>(o - buffer));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            out += "\xEF\xBF\xBD";  // a byte that is no CP932 character: skip it
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}

bool consoleIsCp932() { return false; }

std::string argumentToUtf8(const std::string& text) { return text; }
