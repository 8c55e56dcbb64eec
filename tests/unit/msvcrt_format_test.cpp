// The formats handed to msvcrt.dll: "ll" becomes "I64" inside a conversion and nowhere else.
#include <gtest/gtest.h>

#include <string>

#include "platform/msvcrt_format.h"

TEST(MsvcrtFormat, SpellsTheLongLongLengthAndRefusesWhatDoesNotFit) {
    const struct { const char* in; size_t size; const char* out; } cases[] = {  // out null: refused
        {"作業中です。あと%lld分 [%d / %d分]", 64, "作業中です。あと%I64d分 [%d / %d分]"},
        {"%-5llu|%05lld|%llx", 64, "%-5I64u|%05I64d|%I64x"},
        {"100%% all ll %%lld", 64, "100%% all ll %%lld"},  // "ll" outside a conversion stays
        {"%s,%u:%02d%", 64, "%s,%u:%02d%"},    // a lone '%' at the end is copied
        {"%lld", 6, "%I64d"},                  // "%I64d" and its terminator: 6 bytes
        {"%lld", 5, nullptr},
        {"", 0, nullptr},
    };
    for (const auto& c : cases) {
        char out[64];
        const bool fits = toMsvcrtFormat(c.in, out, c.size);
        EXPECT_EQ(fits ? std::string(out) : "refused", c.out ? c.out : "refused") << c.in;
    }
}
