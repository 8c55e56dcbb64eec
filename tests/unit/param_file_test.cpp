// The settings files byte for byte: param.dat (defaults, round trip, damaged files, atomic
// replacement), restwarden.ini with the その他 page, and the data folder's paths.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dialogs/other_page.h"
#include "platform/data_files.h"
#include "tests/support/test_env.h"
#include "timer/options.h"
#include "timer/property.h"

namespace {

using ParamFile = DataFolderTest;

std::vector<uint8_t> image(int32_t work, int32_t rest) {
    std::vector<uint8_t> b = {0, 2, 0, 2, 7, 0, 0, 0, 0x11, 0x22, 0x33};
    b.resize(284);
    std::memcpy(&b[12], "C:\\sounds\\bell.wav", 18);
    std::memcpy(&b[272], &work, 4);  // little-endian, as the hosts of these tests are
    std::memcpy(&b[276], &rest, 4);
    b[280] = 1;  // records on
    return b;
}

TEST_F(ParamFile, DefaultsRoundTripDamagedFilesAndFailedSaves) {
    { Property p(nullptr); EXPECT_FALSE(exists("param.dat")); }  // nothing at start; the defaults are checked end to end
    for (auto [work, rest] : {std::pair{25, 10}, {-7, 100000}}) {
        writeBytes("param.dat", image(work, rest));
        {
            Property p(nullptr);
            EXPECT_EQ(ints(p.workMinutes, p.restMinutes, p.currentRestMinutes, p.moveKind, p.moveSize, p.moveSpeed, p.soundKind, p.noticeColor, p.logOutput),
                      ints(work, rest, rest, 2, 0, 2, 7, 0x332211, 1));
            EXPECT_STREQ(p.wavPath, "C:\\sounds\\bell.wav");
            p.currentRestMinutes = 90;  // a long rest is never saved
        }
        EXPECT_EQ(readBytes("param.dat"), image(work, rest));
    }
    // fill 'A': a path without its terminator, cut at its field
    const struct { size_t size; uint8_t fill; int32_t work; size_t pathLength; } damaged[] = {
        {283, 0, 60, 0}, {5000, 0xEE, 25, 18}, {284, 'A', 25, 259}};
    for (const auto& d : damaged) {
        std::vector<uint8_t> bytes = image(25, 10);
        if (d.fill == 'A') std::memset(&bytes[12], 'A', 260);
        bytes.resize(d.size, d.fill);
        writeBytes("param.dat", bytes);
        { Property p(nullptr); EXPECT_EQ(ints(p.workMinutes, std::strlen(p.wavPath)), ints(d.work, d.pathLength)) << d.size; }
        EXPECT_EQ(ints(readBytes("param.dat").size(), readBytes("param.dat")[12 + 259]), ints(284, 0));
    }
    // A save failing mid-write or before its rename leaves the old file whole. Saves go to the data folder of
    // the start, which is never the current directory here (as after a file chooser moved it).
    writeBytes("param.dat", image(25, 10));
    Property p(nullptr);
    p.workMinutes = 45;
    for (const datafiles::Faults& fault : {datafiles::Faults{100, false, ""}, datafiles::Faults{-1, true, ""}}) {
        datafiles::faults() = fault;
        EXPECT_FALSE(p.save());
        EXPECT_EQ(readBytes("param.dat"), image(25, 10));
    }
    datafiles::faults() = {};
    EXPECT_FALSE(exists("param.dat.new"));
    // The new bytes reach the disk before the rename, and an appended record right after its append.
    fake().calls.clear();
    EXPECT_TRUE(p.save());
    EXPECT_EQ(readBytes("param.dat")[272], 45);
    EXPECT_TRUE(datafiles::appendRecord("state.dat", image(0, 0).data(), 8));
    EXPECT_EQ(fake().calls, (std::vector<std::string>{"flushToDisk", "replaceFile param.dat", "flushToDisk"}));
}

std::vector<int64_t> loaded() {
    const Options o = loadOptions();
    return ints(o.awayIsRest, o.awayMinutes, o.quietFullscreen, o.allMonitors);
}

class OptionsFile : public MasterTest {};

TEST_F(OptionsFile, DamagedFilesGiveDefaultsKeyByKeyAndTheOtherPageWritesAtOnceAndAtExit) {
    static const char Garbage[] = "[options]\n\0\xff\x01=\nawayMinutes=3\n[options\nawayIsRest=1";
    const auto defaults = ints(0, 5, 1, 1);
    const std::pair<std::string, std::vector<int64_t>> rows[] = {  // a missing file is driven end to end
        {"\xEF\xBB\xBF; note\n\n[ Options ]\n  AWAYMINUTES = 1 \n# awayIsRest=1\nawayIsRest=1", ints(1, 1, 1, 1)},
        {"awayIsRest=1\n[other]\nawayMinutes=9\n[options]\nmystery=4\nno equals sign\n", defaults},
        {"[options]\rawayMinutes=0\rawayIsRest=2\rquietFullscreen=-1\rallMonitors=1x", defaults},
        {"[options]\nawayMinutes=61\nawayMinutes=8\nawayIsRest=99999999999999999999\n", defaults},
        {std::string(Garbage, sizeof Garbage - 1), ints(0, 3, 1, 1)},
        {"[options]\nawayMinutes=7\n" + std::string(8 << 20, 'x'), ints(0, 7, 1, 1)},
    };
    for (const auto& [text, expected] : rows) {
        writeBytes(OptionsFileName, std::vector<uint8_t>(text.begin(), text.end()));
        EXPECT_EQ(loaded(), expected) << text.substr(0, 60);
    }
    // The その他 page (also driven end to end): Apply writes the file at once, takes both limits of the away
    // time, reads it leniently, and deletes no shortcut the program did not make; the options are written at exit.
    const std::string error = "messageBox エラー 離席とみなす時間は1以上、60以下です 0";
    for (auto [text, minutes] : {std::pair{"1", 1}, {"60", 60}, {"0", 5}, {"61", 5}, {"", 5}, {" 7x", 7}}) {
        fake().calls.clear();
        OtherPage::apply(*master, {true, text, minutes != 7, false, minutes == 60});
        EXPECT_EQ(ints(fake().count(error), fake().starting("setStartupShortcut").size()), ints(minutes == 5, 0)) << text;
        EXPECT_EQ(loaded(), ints(1, minutes, minutes != 7, minutes == 60)) << text;
    }
    // Made, kept, failing to be made or removed: a failure is told, and the box shows what is there.
    const std::string failed = "messageBox エラー ログオン時の起動を設定できませんでした。 0";
    for (auto [before, checked, fails] : {std::tuple{false, true, false}, {false, true, true}, {true, false, true},
                                          {true, false, false}, {true, true, false}}) {
        fake().calls.clear();
        fake().startupShortcut = before, fake().startupShortcutFails = fails;
        const bool shown = OtherPage::apply(*master, {true, "7", false, checked, false});
        EXPECT_EQ(ints(shown, fake().count(failed)), ints(fails ? before : checked, fails)) << before << checked;
    }
    fake().startupShortcut = true;
    const OtherPageTexts texts = OtherPage::opening(*master->options);
    EXPECT_EQ(ints(texts.awayChecked, std::stoi(texts.awayMinutes), texts.quietChecked, texts.logonChecked,
                   texts.allMonitorsChecked), ints(1, 7, 0, 1, 0));
    master->options->quietFullscreen = 1;
    master->saveForShutdown();
    const std::vector<uint8_t> file = readBytes(OptionsFileName);
    EXPECT_EQ(std::string(file.begin(), file.end()),
              "[options]\r\nawayIsRest=1\r\nawayMinutes=7\r\nquietFullscreen=1\r\nallMonitors=0\r\nlanguage=auto\r\n");
    master->options->awayIsRest = 0;
    master.reset();
    EXPECT_EQ(loaded(), ints(0, 7, 1, 0));
    EXPECT_TRUE(fake().saw("replaceFile restwarden.ini"));  // through the atomic replace
}

}  // namespace
