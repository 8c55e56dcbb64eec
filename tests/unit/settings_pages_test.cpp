// The three settings pages and the long-rest dialog against a running Master.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/master.h"
#include "dialogs/long_rest.h"
#include "dialogs/move_page.h"
#include "dialogs/sound_page.h"
#include "dialogs/time_page.h"
#include "tests/support/test_env.h"
#include "timer/property.h"
#include "timer/sound.h"

namespace {

const std::string WorkError = "messageBox エラー 作業時間は0以上、300以下です 0";
const std::string RestError = "messageBox エラー 休憩時間は0以上、300以下です 0";

class SettingsPages : public MasterTest {
protected:
    Property& property() { return *master->property; }
    std::vector<std::string> messageBoxes() const {
        std::vector<std::string> boxes;
        for (const auto& c : fake().calls)
            if (c.rfind("messageBox", 0) == 0) boxes.push_back(c);
        return boxes;
    }
    bool parked() const { return fake().saw("opacity 0") && fake().saw("moveWindow 0,0 5x5 norepaint"); }
};

TEST_F(SettingsPages, TimeOpensOnTheCurrentValues) {
    property().workMinutes = 25;
    property().restMinutes = 10;
    property().logOutput = 0;
    TimePageTexts texts = TimePage::opening(property());
    EXPECT_EQ(texts.work, "25");
    EXPECT_EQ(texts.rest, "10");
    EXPECT_FALSE(texts.logChecked);
    EXPECT_EQ(texts.endLabel.rfind("分 - 終了予定時刻 ", 0), 0u);
}

TEST_F(SettingsPages, TimeApplyAcceptsTheRangeAndDefaultsOutsideIt) {
    TimePage::apply(*master, "0", "300", false);
    EXPECT_EQ(property().workMinutes, 0);
    EXPECT_EQ(property().restMinutes, 300);
    EXPECT_EQ(property().currentRestMinutes, 300);
    EXPECT_EQ(property().logOutput, 0);
    EXPECT_TRUE(messageBoxes().empty());

    TimePage::apply(*master, "301", "25", true);
    EXPECT_EQ(property().workMinutes, 60);
    EXPECT_EQ(property().restMinutes, 25);
    EXPECT_EQ(property().logOutput, 1);
    EXPECT_EQ(messageBoxes(), std::vector<std::string>{WorkError});

    fake().calls.clear();
    TimePage::apply(*master, "-1", "999", true);
    EXPECT_EQ(messageBoxes(), (std::vector<std::string>{WorkError, RestError}));  // work first
    EXPECT_EQ(property().workMinutes, 60);
    EXPECT_EQ(property().restMinutes, 5);
    EXPECT_EQ(property().currentRestMinutes, 5);
}

TEST_F(SettingsPages, TimeApplyShowsTheNewLengthAtOnce) {
    ticks(3);
    TimePage::apply(*master, "25", "5", true);
    EXPECT_STREQ(fake().tray.tip, "作業中です。あと22分 [3 / 25分]");
}

TEST_F(SettingsPages, TimeApplyDuringARestChangesTheRestInProgress) {
    master->startRest();
    ticks(3);
    TimePage::apply(*master, "60", "10", true);
    EXPECT_STREQ(fake().tray.tip, "休憩中です。あと7分 [3 / 10分]");
    ticks(6);
    EXPECT_EQ(property().phase, Resting);
    ticks(1);
    EXPECT_EQ(property().phase, RestOver);
}

TEST_F(SettingsPages, MoveClicksWriteAtOnceAndCancelRestores) {
    MovePage page;
    MoveChecks checks = page.open(property());  // defaults: 上→下, 中, 普通
    EXPECT_EQ(checks.kind, 12);
    EXPECT_EQ(checks.size, 16);
    EXPECT_EQ(checks.speed, 19);

    RadioRange range = page.click(*master, 13);  // フェードイン
    EXPECT_EQ(range.first, 11);
    EXPECT_EQ(range.last, 14);
    EXPECT_EQ(property().moveKind, 1);
    page.click(*master, 15);
    page.click(*master, 20);
    EXPECT_EQ(property().moveSize, 0);
    EXPECT_EQ(property().moveSpeed, 2);
    EXPECT_TRUE(page.click(*master, 21).empty());
    EXPECT_TRUE(page.click(*master, 99).empty());
    EXPECT_EQ(fake().count("startThread"), 0);
    EXPECT_TRUE(page.click(*master, 22).empty());  // 動きを見る: one run
    EXPECT_EQ(fake().count("startThread"), 1);

    page.takeColour(*master, 0x00FF00);
    EXPECT_EQ(property().noticeColor, 0x00FF00u);
    page.showSample(*master, 1366, 768);
    EXPECT_TRUE(fake().saw("moveWindow 513,288 341x192 repaint"));
    EXPECT_TRUE(fake().saw("opacity 128"));

    fake().calls.clear();
    page.cancel(*master);
    EXPECT_EQ(property().moveKind, 3);
    EXPECT_EQ(property().moveSize, 1);
    EXPECT_EQ(property().moveSpeed, 1);
    EXPECT_EQ(property().noticeColor, 255u);
    EXPECT_TRUE(parked());
}

TEST_F(SettingsPages, MoveCancelAfterApplyGoesBackToTheAppliedValues) {
    MovePage page;
    page.open(property());
    page.click(*master, 13);
    page.takeColour(*master, 0xFF0000);
    page.apply(*master, MoveChecks{13, 17, 18});
    EXPECT_TRUE(parked());

    page.click(*master, 14);
    page.click(*master, 15);
    page.takeColour(*master, 0x123456);
    page.cancel(*master);
    EXPECT_EQ(property().moveKind, 1);
    EXPECT_EQ(property().moveSize, 2);
    EXPECT_EQ(property().moveSpeed, 0);
    EXPECT_EQ(property().noticeColor, 0xFF0000u);
}

TEST_F(SettingsPages, SoundPreviewsAndWavPlaysOnlyOnceAFileWasChosen) {
    std::strcpy(property().wavPath, "C:\\old.wav");
    property().soundKind = 2;
    SoundPage page;
    EXPECT_EQ(page.open(property()), 32);
    EXPECT_STREQ(page.wavFileBuffer, "C:\\old.wav");

    EXPECT_TRUE(page.click(*master, 33));
    EXPECT_EQ(fake().beeps, std::vector<uint32_t>{0x20});
    EXPECT_TRUE(page.click(*master, 37));  // a path from param.dat, but none chosen: silent
    EXPECT_TRUE(page.click(*master, 38));
    EXPECT_TRUE(fake().mciMessages.empty());
    EXPECT_EQ(fake().beeps.size(), 1u);
    EXPECT_FALSE(page.click(*master, 39));

    std::strcpy(page.wavFileBuffer, "C:\\new.wav");
    page.fileChosen(*master);
    page.click(*master, 37);
    ASSERT_EQ(fake().mciMessages.size(), 3u);
    EXPECT_EQ(fake().mciMessages[1].find("C:\\new.wav") != std::string::npos, true);

    // Cancel: the page writes nothing, but the choice of a file stands for the run.
    EXPECT_STREQ(property().wavPath, "C:\\old.wav");
    EXPECT_EQ(property().soundKind, 2);
    EXPECT_EQ(master->sound->fileChosen, 1);

    page.apply(*master, 37);
    EXPECT_EQ(property().soundKind, 7);
    EXPECT_STREQ(property().wavPath, "C:\\new.wav");
}

TEST_F(SettingsPages, LongRestSetsThisRestOnly) {
    EXPECT_STREQ(LongRest::InitialText, "60");
    EXPECT_EQ(LongRest::forCommand(1), LongRest::Action::Confirm);
    EXPECT_EQ(LongRest::forCommand(7), LongRest::Action::Close);
    for (unsigned id : {2u, 5u, 0u}) EXPECT_EQ(LongRest::forCommand(id), LongRest::Action::Nothing);  // Escape is 2

    property().restMinutes = 15;
    master->startRest();
    ticks(10);
    LongRest::confirm(*master, "90");
    EXPECT_EQ(property().currentRestMinutes, 90);
    EXPECT_EQ(property().restMinutes, 15);
    EXPECT_STREQ(fake().tray.tip, "休憩中です。あと80分 [10 / 90分]");
    ticks(79);
    EXPECT_EQ(property().phase, Resting);
    ticks(1);
    EXPECT_EQ(property().phase, RestOver);

    // The next rest lasts the setting again.
    master->startRest();
    EXPECT_EQ(property().currentRestMinutes, 15);
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(SettingsPages, LongRestOfNothingEndsAtTheNextTickAndOutOfRangeGivesFive) {
    for (const char* text : {"0", ""}) {
        master->startRest();
        ticks(2);
        LongRest::confirm(*master, text);
        EXPECT_EQ(property().phase, Resting);
        ticks(1);
        EXPECT_EQ(property().phase, RestOver) << text;
    }
    master->startRest();
    LongRest::confirm(*master, "999");
    EXPECT_EQ(messageBoxes(), std::vector<std::string>{RestError});
    EXPECT_EQ(property().currentRestMinutes, 5);
    EXPECT_EQ(property().restMinutes, 5);
}

TEST_F(SettingsPages, TrayLeftClickWhileRestingOpensTheLongRestDialogOnce) {
    int opened = 0;
    fake().onDialog = [&](platform::Dialog which) {
        ASSERT_EQ(which, platform::Dialog::LongRest);
        ++opened;
        master->onTrayCallback(0, TrayLeftDown);  // a second click while it is open
        LongRest::confirm(*master, "45");
    };
    master->onTrayCallback(0, TrayLeftDown);  // working: nothing
    EXPECT_EQ(opened, 0);
    master->startRest();
    master->onTrayCallback(0, TrayLeftDown);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(property().currentRestMinutes, 45);
}

}  // namespace
