// The program's two faces: which one the options and the user's display language choose, that
// the menu, tip and balloons follow a change at once, and that the English report holds no
// Japanese byte and keeps its labels apart inside the client area.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "dialogs/evaluation_painter.h"
#include "dialogs/other_page.h"
#include "dialogs/report_layout.h"
#include "platform/texts.h"
#include "records/compiled_state.h"
#include "tests/support/test_env.h"
#include "timer/options.h"

namespace {

class Faces : public MasterTest {
protected:
    Faces() { autoStart = false; }
    void TearDown() override {
        MasterTest::TearDown();
        texts::setLanguage(texts::Language::Japanese);
    }
    // The menu's first item, the tip, and the work-end balloon of a one-minute work period.
    std::vector<std::string> seen() {
        p().workMinutes = 1;
        master->startWork();
        std::vector<std::string> out = {fake().menuTexts[CmdStartWork], master->trayData.tip};
        ticks(1);
        out.push_back(fake().balloonTitle + "|" + fake().balloonText);
        return out;
    }
    const std::vector<std::string> Japanese = {"開始", "作業中です。あと1分 [0 / 1分]",
                                               "作業終了時間になりました|休憩に入るには、ここをクリックしてください。"};
    const std::vector<std::string> English = {"Start work", "Working: 1 min to go [0 / 1 min]",
                                              "Time for a break|Click here to start your break."};
};

bool ascii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

TEST_F(Faces, TheOptionOrTheDisplayLanguageChoosesAndTheOtherPageSwitchesAtOnce) {
    const std::tuple<std::string, bool, bool> rows[] = {
        // the file's line, a Japanese display language, English expected
        {"", true, false}, {"", false, true}, {"language=auto", false, true}, {"language=ja", false, false},
        {"language= EN ", true, true}, {"language=fr", true, false}, {"language=2", false, true}};
    for (const auto& [line, japaneseUser, english] : rows) {
        resetFake();
        fake().japaneseUser = japaneseUser;
        const std::string text = "[options]\n" + line;
        writeBytes(OptionsFileName, std::vector<uint8_t>(text.begin(), text.end()));
        start();
        EXPECT_EQ(seen(), english ? English : Japanese) << line << " " << japaneseUser;
        master.reset();
    }
    // On a Japanese Windows, the page's English takes the menu and the tip at once, and is kept.
    resetFake();
    std::filesystem::remove(pathOf(OptionsFileName));
    start();
    OtherPageTexts chosen = OtherPage::opening(*master->options);
    chosen.awayMinutes = "5", chosen.language = texts::ChoiceEnglish;
    master->startWork();
    OtherPage::apply(*master, chosen);
    EXPECT_EQ(ints(fake().menuTexts[CmdExit] == "Exit", master->trayData.tip == English[1]), ints(1, 1));
    const std::vector<uint8_t> file = readBytes(OptionsFileName);
    EXPECT_NE(std::string(file.begin(), file.end()).find("\r\nlanguage=en\r\n"), std::string::npos);
    chosen.language = texts::ChoiceAuto;
    OtherPage::apply(*master, chosen);
    EXPECT_EQ(seen(), Japanese);
}

TEST_F(Faces, TheEnglishReportIsAllEnglishAndItsLabelsNeitherMeetNorLeaveTheClientArea) {
    texts::setLanguage(texts::Language::English);
    DayRecord today{};
    CompiledState state{today};
    EvaluateState& e = *state.evaluation;
    state.workHours = 99999, state.restHours = 99999, state.recordCount = 9999, state.dayCount = 9999;
    state.avgWorkHours = 23.9f, state.avgRestHours = 23.9f, state.restPerHour = 255;
    state.workExtensionRatio = 255, state.restExtensionRatio = 255, state.setAverage = 255;
    e.total = 255;
    std::fill(std::begin(e.score), std::end(e.score), 255);
    e.computeChartPoints();
    // Every verdict, the longest English ones among them, is put into English.
    for (int id = texts::VerdictShortData; id <= texts::Verdict16c; ++id) {
        std::strncpy(e.verdict, texts::in(texts::Id(id), texts::Language::Japanese), sizeof e.verdict - 1);
        std::vector<draw::DrawOp> labels;
        for (const draw::DrawOp& op : report::paint(state))
            if (op.kind == draw::Kind::Text) labels.push_back(op);
        for (size_t i = 0; i < labels.size(); ++i) {
            const draw::Bounds a = draw::boundsOf({labels[i]});
            EXPECT_TRUE(ascii(labels[i].text)) << labels[i].text;
            EXPECT_TRUE(a.right < layout::TusanFrame.clientWidth && a.bottom < layout::TusanFrame.okTop) << labels[i].text;
            for (size_t j = i + 1; j < labels.size(); ++j) {
                const draw::Bounds b = draw::boundsOf({labels[j]});
                EXPECT_TRUE(a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top)
                    << labels[i].text << " meets " << labels[j].text;
            }
        }
        EXPECT_EQ(labels[2].text, texts::in(texts::Id(id), texts::Language::English));
    }
}

}  // namespace
