// The balloon notices and the alert sound: their texts, the pending flag, and what is
// played (or not) for each kind of sound.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "app/master.h"
#include "tests/support/test_env.h"
#include "timer/property.h"
#include "timer/sound.h"

namespace {

const std::string ClickForRest = "休憩に入るには、ここをクリックしてください。";

using Balloons = MasterTest;

TEST_F(Balloons, EachNoticeHasItsTitleTextAndPhase) {
    master->property->workMinutes = 60;
    master->property->elapsedMinutes = 59;
    master->tick();
    EXPECT_EQ(master->property->phase, WorkOver);
    EXPECT_EQ(fake().balloonTitle, "作業終了時間になりました");
    EXPECT_EQ(fake().balloonText, ClickForRest);
    EXPECT_EQ(master->balloonPending, 1);

    master->balloonPending = 0;
    for (int i = 0; i < 5; ++i) master->tick();
    EXPECT_EQ(fake().balloons, 2);
    EXPECT_EQ(fake().balloonTitle, "5分作業延長中です。。");
    EXPECT_EQ(fake().balloonText, ClickForRest);
    EXPECT_EQ(master->property->phase, WorkOver);
    EXPECT_EQ(master->balloonPending, 1);

    // A click on the balloon with the button held starts the rest at once.
    fake().leftButton = true;
    master->onTrayCallback(0, TrayBalloonClick);
    EXPECT_EQ(master->property->phase, Resting);

    master->property->currentRestMinutes = 1;
    master->tick();
    EXPECT_EQ(master->property->phase, RestOver);
    EXPECT_EQ(fake().balloonTitle, "休憩終了です");
    EXPECT_EQ(fake().balloonText, "今から作業再開なら、ここをクリックしてください。");
    EXPECT_EQ(master->balloonPending, 1);
}

TEST_F(Balloons, ALargeOverrunTitleFillsItsBufferAndStaysWhole) {
    master->property->phase = WorkOver;
    master->property->elapsedMinutes = INT32_MIN;
    master->property->workMinutes = INT32_MAX;
    master->showOverrunNotice();
    // Eleven characters of number and twenty bytes of text: 31 bytes and the terminator.
    EXPECT_EQ(fake().balloonTitle, "-4294967295分作業延長中です。。");
    EXPECT_EQ(fake().balloonTitle.size(), 31u);

    master->property->elapsedMinutes = 5;
    master->property->workMinutes = 16;
    master->showOverrunNotice();
    EXPECT_EQ(fake().balloonTitle, "-11分作業延長中です。。");
}

TEST_F(Balloons, ARefusedBalloonStillLeavesTheClickPending) {
    fake().balloonResult = false;
    master->property->workMinutes = 1;
    master->tick();
    EXPECT_EQ(master->balloonPending, 1);
    master->onTrayCallback(0, TrayLeftDown);
    EXPECT_EQ(master->property->phase, Resting);
    EXPECT_EQ(master->balloonPending, 0);
}

class AlertSound : public MasterTest {
protected:
    void SetUp() override {
        MasterTest::SetUp();
        std::strcpy(master->property->wavPath, "C:\\sounds\\chime.wav");
    }
    void playKind(uint8_t kind) {
        master->property->soundKind = kind;
        master->playAlert();
    }
};

TEST_F(AlertSound, EachKindPlaysItsSystemSoundOrNothing) {
    for (uint8_t kind : {0, 1, 2, 3, 4, 5, 6, 7, 8, 255}) playKind(kind);
    EXPECT_EQ(fake().beeps, (std::vector<uint32_t>{0x00, 0x10, 0x20, 0x30, 0x40, 0xFFFFFFFFu}));
    // Kind 7 stays silent until a file is picked in this run.
    EXPECT_TRUE(fake().mciMessages.empty());
}

TEST_F(AlertSound, AChosenWavRestartsFromItsBeginningEveryTime) {
    ASSERT_EQ(fake().count("createMciWindow"), 1);
    master->sound->fileChosen = 1;
    playKind(7);
    playKind(7);
    const std::vector<std::string> once = {"0x804 0 0", "0x499 0 C:\\sounds\\chime.wav", "0x806 0 0"};
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(fake().mciMessages, twice);
    EXPECT_TRUE(fake().beeps.empty());

    // The settings page previews its own path and kind, not the saved ones.
    fake().mciMessages.clear();
    master->sound->preview(7, "D:\\other.wav");
    master->sound->preview(2, "D:\\other.wav");
    master->sound->preview(7, nullptr);
    EXPECT_EQ(fake().mciMessages, (std::vector<std::string>{"0x804 0 0", "0x499 0 D:\\other.wav", "0x806 0 0",
                                                            "0x804 0 0", "0x499 0 ", "0x806 0 0"}));
    EXPECT_EQ(fake().beeps, (std::vector<uint32_t>{0x10}));

    // Once the player is closed (main window destroyed) nothing is sent any more.
    fake().mciMessages.clear();
    master->sound->closeWindow();
    master->sound->closeWindow();
    playKind(7);
    EXPECT_EQ(fake().count("closeWindow"), 1);
    EXPECT_TRUE(fake().mciMessages.empty());
}

TEST_F(AlertSound, TheRestEndIsSilentWhateverTheKind) {
    master->sound->fileChosen = 1;
    for (uint8_t kind = 0; kind <= 7; ++kind) {
        master->property->soundKind = kind;
        master->property->restMinutes = 2;
        master->startRest();
        master->tick();
        master->tick();
        ASSERT_EQ(master->property->phase, RestOver) << int(kind);
    }
    EXPECT_TRUE(fake().beeps.empty());
    EXPECT_TRUE(fake().mciMessages.empty());
    EXPECT_EQ(fake().balloons, 8);

    // The work end, by contrast, sounds.
    master->property->soundKind = 3;
    master->property->workMinutes = 1;
    master->startWork();
    master->tick();
    EXPECT_EQ(fake().beeps, (std::vector<uint32_t>{0x20}));
}

}  // namespace
