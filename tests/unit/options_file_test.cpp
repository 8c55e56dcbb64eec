// restwarden.ini: what damaged and hand-edited files give, when the program writes it, and
// the その他 page's range check.
#include <gtest/gtest.h>

#include "dialogs/other_page.h"
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

TEST_F(OptionsFile, WrittenOnApplyAtSessionEndAndAtExit) {
    const std::pair<const char*, int32_t> rows[] = {{"1", 1}, {"60", 60}, {"0", 5}, {"61", 5}, {"", 5}, {" 7x", 7}};
    for (const auto& [text, minutes] : rows) {
        SCOPED_TRACE(text);
        const int boxes = fake().count("messageBox エラー 離席とみなす時間は1以上、60以下です 0");
        OtherPageTexts chosen{true, text, true, false, true};
        OtherPage::apply(*master, chosen);
        EXPECT_EQ(fake().count("messageBox エラー 離席とみなす時間は1以上、60以下です 0") - boxes, minutes == 5 ? 1 : 0);
        EXPECT_EQ(loaded(), ints(1, minutes, 1, 1));
    }
    master->options->allMonitors = 0;
    master->saveForShutdown();
    const std::vector<uint8_t> file = readBytes(OptionsFileName);
    EXPECT_EQ(std::string(file.begin(), file.end()),
              "[options]\r\nawayIsRest=1\r\nawayMinutes=7\r\nquietFullscreen=1\r\nallMonitors=0\r\n");
    master->options->awayIsRest = 0;
    master.reset();
    EXPECT_EQ(loaded(), ints(0, 7, 1, 0));
    EXPECT_TRUE(fake().saw("replaceFile restwarden.ini"));  // through the atomic replace
}

}  // namespace
