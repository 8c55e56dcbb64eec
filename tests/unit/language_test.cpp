// The two faces: chosen by the option or the display language, followed at once by menu, tip and balloons; the
// English report holds no Japanese byte and keeps its labels apart inside the client area.
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
    void TearDown() override { MasterTest::TearDown(), texts::setLanguage(texts::Language::Japanese); }
    std::vector<std::string> seen() {  // the menu's first item, the tip, the balloon of a one-minute work period
        p().workMinutes = 1;
        master->startWork();
        std::vector<std::string> out = {fake().menuTexts[CmdStartWork], master->trayData.tip};
        ticks(1);
        return out.push_back(fake().balloonTitle + "|" + fake().balloonText), out;
    }
    const std::vector<std::string> Japanese = {"開始", "作業中です。あと1分 [0 / 1分]",
                                               "作業終了時間になりました|休憩に入るには、ここをクリックしてください。"};
    const std::vector<std::string> English = {"Start work", "Working: 1 min to go [0 / 1 min]",
                                              "Time for a break|Click here to start your break."};
};

TEST_F(Faces, TheOptionOrTheDisplayLanguageChoosesAndTheOtherPageSwitchesAtOnce) {
    for (const auto& [line, japaneseUser, english] : {std::tuple{"", true, false}, {"", false, true},
             {"language=auto", false, true}, {"language=ja", false, false}, {"language= EN ", true, true},
             {"language=fr", true, false}, {"language=2", false, true}}) {
        resetFake();
        fake().japaneseUser = japaneseUser;
        const std::string text = std::string("[options]\n") + line;
        writeBytes(OptionsFileName, std::vector<uint8_t>(text.begin(), text.end()));
        start();
        EXPECT_EQ(seen(), english ? English : Japanese) << line << " " << japaneseUser;
        master.reset();
    }
    // On a Japanese Windows the page's English takes the menu and the tip at once, and is kept.
    resetFake();
    std::filesystem::remove(pathOf(OptionsFileName));
    start();
    OtherPageTexts chosen = OtherPage::opening(*master->options);
    chosen.awayMinutes = "5", chosen.language = texts::ChoiceEnglish;
    master->startWork();
    OtherPage::apply(*master, chosen);
    EXPECT_EQ(fake().menuTexts[CmdExit] + "|" + master->trayData.tip, "Exit|" + English[1]);
    const std::vector<uint8_t> file = readBytes(OptionsFileName);
    EXPECT_NE(std::string(file.begin(), file.end()).find("\r\nlanguage=en\r\n"), std::string::npos);
    chosen.language = texts::ChoiceAuto;
    OtherPage::apply(*master, chosen);
    EXPECT_EQ(seen(), Japanese);
}

TEST_F(Faces, TheEnglishReportIsAllEnglishAndItsLabelsNeitherMeetNorLeaveTheClientArea) {
    texts::setLanguage(texts::Language::English);
    DayRecord today{};
    CompiledState s{today};
    EvaluateState& e = *s.evaluation;
    s.workHours = s.restHours = 99999, s.recordCount = s.dayCount = 9999, s.avgWorkHours = s.avgRestHours = 23.9f;
    s.restPerHour = s.workExtensionRatio = s.restExtensionRatio = s.setAverage = 255;
    e.total = 255;
    std::fill(std::begin(e.score), std::end(e.score), 255);
    e.computeChartPoints();
    for (int id = texts::VerdictShortData; id <= texts::Verdict16c; ++id) {  // the longest English ones among them
        std::strncpy(e.verdict, texts::in(texts::Id(id), texts::Language::Japanese), sizeof e.verdict - 1);
        std::vector<draw::Bounds> boxes;
        for (const draw::DrawOp& op : report::paint(s)) {
            if (op.kind != draw::Kind::Text) continue;
            const draw::Bounds a = draw::boundsOf({op});
            EXPECT_TRUE(std::all_of(op.text.begin(), op.text.end(), [](char c) { return c > 0; })) << op.text;
            EXPECT_TRUE(a.right < layout::TusanFrame.clientWidth && a.bottom < layout::TusanFrame.okTop) << op.text;
            for (const draw::Bounds& b : boxes)
                EXPECT_TRUE(a.right < b.left || b.right < a.left || a.bottom < b.top || b.bottom < a.top) << op.text;
            if (boxes.size() == 2) {
                EXPECT_EQ(op.text, texts::in(texts::Id(id), texts::Language::English));
            }
            boxes.push_back(a);
        }
    }
}

}  // namespace
