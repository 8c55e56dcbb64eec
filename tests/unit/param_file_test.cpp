// param.dat byte for byte: defaults, round trip, damaged files, and atomic replacement.
#include <gtest/gtest.h>

#include <cstring>

#include "app/data_files.h"
#include "tests/support/test_env.h"
#include "timer/property.h"

namespace {

class ParamFile : public DataFolderTest {};

std::vector<uint8_t> image(int32_t work, int32_t rest) {
    std::vector<uint8_t> b(284, 0);
    b[1] = 2; b[2] = 0; b[3] = 2; b[4] = 7;
    b[8] = 0x11; b[9] = 0x22; b[10] = 0x33;
    std::memcpy(&b[12], "C:\\sounds\\bell.wav", 18);
    for (int i = 0; i < 4; ++i) {
        b[272 + i] = static_cast<uint8_t>(static_cast<uint32_t>(work) >> (8 * i));
        b[276 + i] = static_cast<uint8_t>(static_cast<uint32_t>(rest) >> (8 * i));
    }
    b[280] = 0;
    return b;
}

TEST_F(ParamFile, NoFileGivesDefaultsAndExitWritesThem) {
    {
        Property p(nullptr);
        EXPECT_EQ(p.workMinutes, 60);
        EXPECT_EQ(p.restMinutes, 5);
        EXPECT_EQ(p.currentRestMinutes, 5);
        EXPECT_EQ(p.logOutput, 1);
        EXPECT_EQ(p.moveKind, 3);
        EXPECT_EQ(p.moveSize, 1);
        EXPECT_EQ(p.moveSpeed, 1);
        EXPECT_EQ(p.soundKind, 0);
        EXPECT_EQ(p.noticeColor, 255u);
        EXPECT_FALSE(exists("param.dat"));  // nothing is created at start
    }
    std::vector<uint8_t> expected(284, 0);
    expected[1] = 3; expected[2] = 1; expected[3] = 1; expected[8] = 255;
    expected[272] = 60; expected[276] = 5; expected[280] = 1;
    EXPECT_EQ(readBytes("param.dat"), expected);
}

TEST_F(ParamFile, RoundTripKeepsEveryByteOfMeaningAndNeverSavesALongRest) {
    writeBytes("param.dat", image(25, 10));
    {
        Property p(nullptr);
        EXPECT_EQ(p.workMinutes, 25);
        EXPECT_EQ(p.restMinutes, 10);
        EXPECT_EQ(p.currentRestMinutes, 10);
        EXPECT_STREQ(p.wavPath, "C:\\sounds\\bell.wav");
        EXPECT_EQ(p.noticeColor, 0x332211u);
        EXPECT_EQ(p.soundKind, 7);
        p.currentRestMinutes = 90;  // a long rest
    }
    EXPECT_EQ(readBytes("param.dat"), image(25, 10));
}

TEST_F(ParamFile, OutOfRangeValuesAreTakenAsTheyAre) {
    writeBytes("param.dat", image(-7, 100000));
    Property p(nullptr);
    EXPECT_EQ(p.workMinutes, -7);
    EXPECT_EQ(p.restMinutes, 100000);
}

TEST_F(ParamFile, DamagedFilesNeverGiveUndefinedFields) {
    // Too short: defaults for everything.
    std::vector<uint8_t> shortFile = image(25, 10);
    shortFile.resize(283);
    writeBytes("param.dat", shortFile);
    {
        Property p(nullptr);
        EXPECT_EQ(p.workMinutes, 60);
        EXPECT_EQ(p.wavPath[0], 0);
    }
    // Oversized: the first 284 bytes count, and the save writes exactly 284.
    std::vector<uint8_t> big = image(25, 10);
    big.resize(5000, 0xEE);
    writeBytes("param.dat", big);
    { Property p(nullptr); EXPECT_EQ(p.workMinutes, 25); }
    EXPECT_EQ(readBytes("param.dat").size(), 284u);
    // A path without a terminator stops at its field and is terminated.
    std::vector<uint8_t> unterminated = image(25, 10);
    std::memset(&unterminated[12], 'A', 260);
    writeBytes("param.dat", unterminated);
    {
        Property p(nullptr);
        EXPECT_EQ(std::strlen(p.wavPath), 259u);
        EXPECT_EQ(p.workMinutes, 25);
    }
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
    std::string stray = std::string(elsewhere) + "/param.dat";
    EXPECT_NE(access(stray.c_str(), F_OK), 0);
    rmdir(elsewhere);
}

}  // namespace
