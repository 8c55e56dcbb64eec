// restwarden.ini: what damaged, foreign and hand-edited files give, the file the program
// writes, and the その他 page's range check.
#include <gtest/gtest.h>

#include "dialogs/other_page.h"
#include "tests/support/test_env.h"
#include "timer/options.h"

namespace {

std::vector<int64_t> values(const Options& o) { return ints(o.awayIsRest, o.awayMinutes, o.quietFullscreen, o.allMonitors); }

class OptionsFile : public MasterTest {};

TEST_F(OptionsFile, DamagedFilesGiveDefaultsKeyByKey) {
    const auto defaults = ints(0, 5, 1, 1);
    static const char Garbage[] = "[options]\n\0\xff\x01=\nawayMinutes=3\n[options\nawayIsRest=1";
    std::string huge = "[options]\nawayMinutes=7\n" + std::string(8 << 20, 'x');
    struct Row {
        std::string text;
        std::vector<int64_t> expected;
    };
    const Row rows[] = {
        {"", defaults},
        {"[options]\r\nawayIsRest=1\r\nawayMinutes=60\r\nquietFullscreen=0\r\nallMonitors=0\r\n", ints(1, 60, 0, 0)},
        {"\xEF\xBB\xBF; note\n\n[ Options ]\n  AWAYMINUTES = 1 \n# awayIsRest=1\nawayIsRest=1", ints(1, 1, 1, 1)},
        {"awayIsRest=1\n[other]\nawayMinutes=9\n[options]\nmystery=4\nno equals sign\n", defaults},
        {"[options]\rawayMinutes=0\rawayIsRest=2\rquietFullscreen=-1\rallMonitors=1x", defaults},
        {"[options]\nawayMinutes=61\nawayMinutes=8\n", defaults},  // the first line of a key decides
        {"[options]\nawayMinutes=99999999999999999999\nawayIsRest=\n", defaults},
        {std::string(Garbage, sizeof Garbage - 1), ints(0, 3, 1, 1)},
        {huge, ints(0, 7, 1, 1)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.substr(0, 60));
        writeBytes(OptionsFileName, std::vector<uint8_t>(row.text.begin(), row.text.end()));
        EXPECT_EQ(values(loadOptions()), row.expected);
    }
    std::remove(pathOf(OptionsFileName).c_str());
    EXPECT_EQ(values(loadOptions()), defaults);
}

TEST_F(OptionsFile, WrittenAtExitAndAtSessionEndAsLoaded) {
    master.reset();
    writeBytes(OptionsFileName, {'[', 'o', 'p', 't', 'i', 'o', 'n', 's', ']', '\n', 'a', 'l', 'l', 'M', 'o', 'n', 'i',
                                 't', 'o', 'r', 's', '=', '0'});
    start();
    master->options->awayIsRest = 1;
    master->saveForShutdown();
    const std::string expected = "[options]\r\nawayIsRest=1\r\nawayMinutes=5\r\nquietFullscreen=1\r\nallMonitors=0\r\n";
    const std::vector<uint8_t> shutdownFile = readBytes(OptionsFileName);
    EXPECT_EQ(std::string(shutdownFile.begin(), shutdownFile.end()), expected);
    master->options->awayMinutes = 42;
    master.reset();
    EXPECT_EQ(values(loadOptions()), ints(1, 42, 1, 0));
    EXPECT_TRUE(fake().saw("replaceFile restwarden.ini"));  // through the atomic replace
}

TEST_F(OptionsFile, OtherPageKeepsTheAwayTimeWithinAnHour) {
    const std::pair<const char*, int32_t> rows[] = {{"1", 1}, {"60", 60}, {"0", 5}, {"61", 5}, {"", 5}, {" 7x", 7}};
    for (const auto& [text, minutes] : rows) {
        SCOPED_TRACE(text);
        const int boxes = fake().count("messageBox");
        OtherPage::apply(*master, true, text);
        EXPECT_EQ(master->options->awayMinutes, minutes);
        EXPECT_EQ(fake().count("messageBox エラー 離席とみなす時間は1以上、60以下です 0") - boxes,
                  minutes == 5 ? 1 : 0);
        EXPECT_EQ(values(loadOptions()), ints(1, minutes, 1, 1));  // written on Apply
    }
}

}  // namespace
