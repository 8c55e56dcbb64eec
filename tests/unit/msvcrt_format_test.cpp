// The formats handed to msvcrt.dll: "ll" becomes "I64" inside a conversion and nowhere else.
#include <gtest/gtest.h>

#include <string>

#include "platform/msvcrt_format.h"

TEST(MsvcrtFormat, SpellsTheLongLongLengthForMsvcrt) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"作業中です。あと%lld分 [%d / %d分]", "作業中です。あと%I64d分 [%d / %d分]"},
        {"%-5llu|%05lld|%llx", "%-5I64u|%05I64d|%I64x"},
        {"100%% all ll", "100%% all ll"},     // "ll" outside a conversion stays
        {"%%lld", "%%lld"},                   // an escaped '%' starts no conversion
        {"%s,%u:%02d%", "%s,%u:%02d%"},       // a lone '%' at the end is copied
    };
    for (const auto& c : cases) {
        char out[64];
        ASSERT_TRUE(toMsvcrtFormat(c.in, out, sizeof out)) << c.in;
        EXPECT_EQ(std::string(out), c.out) << c.in;
    }
}

TEST(MsvcrtFormat, RefusesWhatDoesNotFit) {
    char out[8];
    EXPECT_TRUE(toMsvcrtFormat("%lld", out, 6));   // "%I64d" and its terminator: 6 bytes
    EXPECT_FALSE(toMsvcrtFormat("%lld", out, 5));
    EXPECT_FALSE(toMsvcrtFormat("", out, 0));
}
