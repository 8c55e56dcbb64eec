// param.dat byte for byte: defaults, round trip, damaged files, and atomic replacement; the
// data folder's paths.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <unistd.h>

#include "platform/data_files.h"
#include "tests/support/test_env.h"
#include "timer/property.h"

namespace {

using ParamFile = DataFolderTest;

std::vector<uint8_t> image(int32_t work, int32_t rest) {
    std::vector<uint8_t> b(284, 0);
    const uint8_t head[] = {0, 2, 0, 2, 7, 0, 0, 0, 0x11, 0x22, 0x33};
    std::memcpy(b.data(), head, sizeof head);
    std::memcpy(&b[12], "C:\\sounds\\bell.wav", 18);
    for (int i = 0; i < 4; ++i) {
        b[272 + i] = static_cast<uint8_t>(static_cast<uint32_t>(work) >> (8 * i));
        b[276 + i] = static_cast<uint8_t>(static_cast<uint32_t>(rest) >> (8 * i));
    }
    return b;
}

TEST_F(ParamFile, DefaultsRoundTripAndDamagedFiles) {
    { Property p(nullptr); EXPECT_FALSE(exists("param.dat")); }  // nothing is created at start
    std::vector<uint8_t> defaults(284, 0);
    defaults[1] = 3, defaults[2] = 1, defaults[3] = 1, defaults[8] = 255, defaults[272] = 60, defaults[276] = 5, defaults[280] = 1;
    EXPECT_EQ(readBytes("param.dat"), defaults);
    for (auto [work, rest] : {std::pair{25, 10}, {-7, 100000}}) {
        writeBytes("param.dat", image(work, rest));
        {
            Property p(nullptr);
            EXPECT_EQ(ints(p.workMinutes, p.restMinutes, p.currentRestMinutes, p.moveKind, p.moveSize, p.moveSpeed, p.soundKind, p.noticeColor, p.logOutput),
                      ints(work, rest, rest, 2, 0, 2, 7, 0x332211, 0));
            EXPECT_STREQ(p.wavPath, "C:\\sounds\\bell.wav");
            p.currentRestMinutes = 90;  // a long rest is never saved
        }
        EXPECT_EQ(readBytes("param.dat"), image(work, rest));
    }
    const struct {
        size_t size;
        uint8_t fill;  // 'A': a path without its terminator, cut at its field
        int32_t work;
        size_t pathLength;
    } damaged[] = {{283, 0, 60, 0}, {5000, 0xEE, 25, 18}, {284, 'A', 25, 259}};
    for (const auto& d : damaged) {
        std::vector<uint8_t> bytes = image(25, 10);
        if (d.fill == 'A') std::memset(&bytes[12], 'A', 260);
        bytes.resize(d.size, d.fill);
        writeBytes("param.dat", bytes);
        { Property p(nullptr); EXPECT_EQ(ints(p.workMinutes, std::strlen(p.wavPath)), ints(d.work, d.pathLength)) << d.size; }
        EXPECT_EQ(ints(readBytes("param.dat").size(), readBytes("param.dat")[12 + 259]), ints(284, 0));
    }
}

TEST_F(ParamFile, AFailedSaveLeavesTheOldFileWholeInTheFolderOfTheStart) {
    writeBytes("param.dat", image(25, 10));
    char elsewhere[] = "/tmp/restwarden-cwd-XXXXXX", previous[4096];
    ASSERT_TRUE(mkdtemp(elsewhere) && getcwd(previous, sizeof previous));
    ASSERT_EQ(chdir(elsewhere), 0);  // e.g. a file chooser moved the current directory
    Property p(nullptr);
    p.workMinutes = 45;
    datafiles::faults().bytesBeforeWriteFails = 100;  // the disk fills mid-write
    EXPECT_FALSE(p.save());
    EXPECT_EQ(readBytes("param.dat"), image(25, 10));
    datafiles::faults() = {};
    datafiles::faults().renameFails = true;  // killed before the rename
    EXPECT_FALSE(p.save());
    EXPECT_EQ(readBytes("param.dat"), image(25, 10));
    EXPECT_FALSE(exists("param.dat.new"));
    datafiles::faults() = {};
    EXPECT_TRUE(p.save());
    EXPECT_EQ(readBytes("param.dat")[272], 45);
    EXPECT_NE(access("param.dat", F_OK), 0);  // nothing in the current directory
    EXPECT_EQ(chdir(previous), 0);
    rmdir(elsewhere);
}

// Data file names in a folder whose name ends in a double-byte character: code page 932 uses
// 0x5C ('\') as the trail byte of many of them, so the last byte alone cannot tell.
TEST(DataPath, SeparatorAddedUnlessTheLastCharacterIsOne) {
    const std::pair<const char*, bool> rows[] = {
        {"C:\\work\\\x95\x5C", false},          // 表
        {"C:\\\x83\x5C\xE0\x5C", false},        // ソ and a lead byte of the upper range
        {"C:\\work\\\x95\x5C\\", true},         // 表 and a real separator
        {"C:\\\x81\x81\\", true},               // a trail byte that is itself in the lead range
        {"C:\\\xB1\\", true},                   // half-width ｱ is one byte
        {"/tmp/data/", true},
    };
    for (const auto& [folder, endsWithSeparator] : rows) {
        datafiles::setDirectory(folder);
        EXPECT_EQ(datafiles::pathOf("param.dat"), std::string(folder) + (endsWithSeparator ? "" : "/") + "param.dat")
            << folder;
    }
    datafiles::setDirectory("");
}

}  // namespace
