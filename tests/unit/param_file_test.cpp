// param.dat byte for byte: defaults, round trip, damaged files, and atomic replacement.
#include <gtest/gtest.h>

#include <cstring>
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

TEST_F(ParamFile, NoFileGivesDefaultsAndExitWritesThem) {
    { Property p(nullptr); EXPECT_FALSE(exists("param.dat")); }  // nothing is created at start
    std::vector<uint8_t> expected(284, 0);
    expected[1] = 3; expected[2] = 1; expected[3] = 1; expected[8] = 255;
    expected[272] = 60; expected[276] = 5; expected[280] = 1;
    EXPECT_EQ(readBytes("param.dat"), expected);
}

TEST_F(ParamFile, RoundTripTakesValuesAsTheyAreAndNeverSavesALongRest) {
    for (auto [work, rest] : {std::pair{25, 10}, {-7, 100000}}) {
        SCOPED_TRACE(work);
        writeBytes("param.dat", image(work, rest));
        {
            Property p(nullptr);
            EXPECT_EQ(ints(p.workMinutes, p.restMinutes, p.currentRestMinutes, p.moveKind, p.moveSize, p.moveSpeed,
                           p.soundKind, p.noticeColor, p.logOutput),
                      ints(work, rest, rest, 2, 0, 2, 7, 0x332211, 0));
            EXPECT_STREQ(p.wavPath, "C:\\sounds\\bell.wav");
            p.currentRestMinutes = 90;  // a long rest
        }
        EXPECT_EQ(readBytes("param.dat"), image(work, rest));
    }
}

TEST_F(ParamFile, DamagedFilesNeverGiveUndefinedFields) {
    std::vector<uint8_t> bytes = image(25, 10);
    bytes.resize(283);  // too short: defaults for everything
    writeBytes("param.dat", bytes);
    { Property p(nullptr); EXPECT_EQ(p.workMinutes, 60); EXPECT_EQ(p.wavPath[0], 0); }

    bytes = image(25, 10);
    bytes.resize(5000, 0xEE);  // oversized: the first 284 bytes count, and 284 are saved
    writeBytes("param.dat", bytes);
    { Property p(nullptr); EXPECT_EQ(p.workMinutes, 25); }
    EXPECT_EQ(readBytes("param.dat").size(), 284u);

    bytes = image(25, 10);
    std::memset(&bytes[12], 'A', 260);  // a path without its terminator stops at its field
    writeBytes("param.dat", bytes);
    { Property p(nullptr); EXPECT_EQ(std::strlen(p.wavPath), 259u); EXPECT_EQ(p.workMinutes, 25); }
    EXPECT_EQ(readBytes("param.dat")[12 + 259], 0);
}

TEST_F(ParamFile, AFailedSaveLeavesTheOldFileWhole) {
    writeBytes("param.dat", image(25, 10));
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
}

TEST_F(ParamFile, TheDataFolderIsFixedAtStartNotAtEachWrite) {
    char elsewhere[] = "/tmp/restwarden-cwd-XXXXXX";
    ASSERT_NE(mkdtemp(elsewhere), nullptr);
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(elsewhere), 0);  // e.g. a file chooser moved the current directory
    { Property p(nullptr); }
    EXPECT_TRUE(exists("param.dat"));
    EXPECT_NE(chdir(previous), -1);
    EXPECT_NE(access((std::string(elsewhere) + "/param.dat").c_str(), F_OK), 0);
    rmdir(elsewhere);
}

}  // namespace
