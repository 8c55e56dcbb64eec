// restwarden.ini: what damaged and hand-edited files give, when the program writes it, and
// the その他 page.
#include <gtest/gtest.h>

#include "dialogs/other_page.h"
#include "platform/data_files.h"
#include "tests/support/test_env.h"
#include "timer/options.h"

namespace {

std::vector<int64_t> loaded() {
    const Options o = loadOptions();
    return ints(o.awayIsRest, o.awayMinutes, o.quietFullscreen, o.allMonitors);
}

class OptionsFile : public MasterTest {};

TEST_F(OptionsFile, DamagedFilesGiveDefaultsKeyByKey) {
    static const char Garbage[] = "[options]\n\0\xff\x01=\nawayMinutes=3\n[options\nawayIsRest=1";
    const auto defaults = ints(0, 5, 1, 1);
    const std::pair<std::string, std::vector<int64_t>> rows[] = {
        {"", defaults},
        {"[options]\r\nawayIsRest=1\r\nawayMinutes=60\r\nquietFullscreen=0\r\nallMonitors=0\r\n", ints(1, 60, 0, 0)},
        {"\xEF\xBB\xBF; note\n\n[ Options ]\n  AWAYMINUTES = 1 \n# awayIsRest=1\nawayIsRest=1", ints(1, 1, 1, 1)},
        {"awayIsRest=1\n[other]\nawayMinutes=9\n[options]\nmystery=4\nno equals sign\n", defaults},
        {"[options]\rawayMinutes=0\rawayIsRest=2\rquietFullscreen=-1\rallMonitors=1x", defaults},
        {"[options]\nawayMinutes=61\nawayMinutes=8\nawayIsRest=99999999999999999999\n", defaults},
        {std::string(Garbage, sizeof Garbage - 1), ints(0, 3, 1, 1)},
        {"[options]\nawayMinutes=7\n" + std::string(8 << 20, 'x'), ints(0, 7, 1, 1)},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text.substr(0, 60));
        writeBytes(OptionsFileName, std::vector<uint8_t>(text.begin(), text.end()));
        EXPECT_EQ(loaded(), expected);
    }
    std::remove(pathOf(OptionsFileName).c_str());
    EXPECT_EQ(loaded(), defaults);
}

// The その他 page opens on the options and the shortcut; Apply writes restwarden.ini at once,
// takes the default away time (with a message) outside 1..60, and makes or removes the shortcut.
TEST_F(OptionsFile, TheOtherPageOpensOnTheOptionsAndApplyWritesThemAtOnceAndAtExit) {
    const std::string error = "messageBox エラー 離席とみなす時間は1以上、60以下です 0";
    const struct {
        bool shortcut, logon, quiet;
        const char* minutesText;
        int32_t minutes;
        const char* call;  // what Apply asks of the shell, "" for nothing
    } rows[] = {
        {false, true, false, "1", 1, "setStartupShortcut 1 "},
        {true, true, true, "60", 60, "setStartupShortcut 1 "},
        {true, false, false, "0", 5, "setStartupShortcut 0 "},
        {false, false, true, "61", 5, ""},  // a shortcut of another copy of the program is not ours to delete
        {false, false, false, "", 5, ""},
        {false, false, true, " 7x", 7, ""},
    };
    std::vector<int64_t> shown = ints(0, 5, 1, 0, 1);  // away, minutes, quiet, logon, all monitors
    for (const auto& r : rows) {
        SCOPED_TRACE(r.minutesText);
        fake().startupShortcut = r.shortcut;
        shown[3] = r.shortcut;
        OtherPageTexts texts = OtherPage::opening(*master->options);
        EXPECT_EQ(ints(texts.awayChecked, std::stoi(texts.awayMinutes), texts.quietChecked, texts.logonChecked,
                       texts.allMonitorsChecked),
                  shown);
        texts = OtherPageTexts{true, r.minutesText, r.quiet, r.logon, !r.quiet};
        fake().calls.clear();
        OtherPage::apply(*master, texts);
        EXPECT_EQ(fake().count(error), r.minutes == 5 ? 1 : 0);
        EXPECT_EQ(loaded(), ints(1, r.minutes, r.quiet, !r.quiet));
        EXPECT_EQ(master->options->quietFullscreen, r.quiet);
        EXPECT_EQ(fake().starting("setStartupShortcut"),
                  *r.call ? std::vector<std::string>{r.call + datafiles::directory()} : std::vector<std::string>{});
        shown = ints(1, r.minutes, r.quiet, 0, !r.quiet);
    }
    master->options->allMonitors = 1;
    master->saveForShutdown();
    const std::vector<uint8_t> file = readBytes(OptionsFileName);
    EXPECT_EQ(std::string(file.begin(), file.end()),
              "[options]\r\nawayIsRest=1\r\nawayMinutes=7\r\nquietFullscreen=1\r\nallMonitors=1\r\n");
    master->options->awayIsRest = 0;
    master.reset();
    EXPECT_EQ(loaded(), ints(0, 7, 1, 1));
    EXPECT_TRUE(fake().saw("replaceFile restwarden.ini"));  // through the atomic replace
}

}  // namespace
