// The formats handed to msvcrt.dll: "ll" becomes "I64" inside a conversion and nowhere else.
#include <gtest/gtest.h>

#include "platform/msvcrt_format.h"

TEST(MsvcrtFormat, SpellsTheLongLongLengthAndRefusesWhatDoesNotFit) {
    char out[64];
    ASSERT_TRUE(toMsvcrtFormat("作業中です。あと%lld分 %-5llu|%05lld|%llx|%%lld all ll %", out, sizeof out));
    EXPECT_STREQ(out, "作業中です。あと%I64d分 %-5I64u|%05I64d|%I64x|%%lld all ll %");
    EXPECT_TRUE(toMsvcrtFormat("%lld", out, 6));  // "%I64d" and its terminator: 6 bytes
    EXPECT_FALSE(toMsvcrtFormat("%lld", out, 5));
    EXPECT_FALSE(toMsvcrtFormat("", out, 0));
}
