// The work timer over ticks and clicks: reminders, ends and overruns with their balloons, what
// acknowledges them, and the alert sound of each kind.
#include <gtest/gtest.h>

#include <cstring>

#include "dialogs/long_rest.h"
#include "tests/support/test_env.h"
#include "timer/sound.h"

namespace {

using Strings = std::vector<std::string>;
const std::string ClickForRest = "休憩に入るには、ここをクリックしてください。";

class PhaseMachine : public MasterTest {
protected:
    // Ticks n minutes; lists each minute that brought something as minute, R (reminder),
    // E (work end), O (overrun) or B (rest end), and the notice runs it asked for.
    Strings run(int n) {
        Strings seen;
        for (int i = 0; i < n; ++i) {
            const uint8_t before = p().phase;
            const int balloons = fake().balloons;
            master->repeatCount = 0;
            master->tick();
            const char what = p().phase != before ? (before == Working ? 'E' : 'B')
                                                  : fake().balloons > balloons ? 'O' : master->repeatCount ? 'R' : 0;
            if (what) seen.push_back(std::to_string(p().elapsedMinutes) + what + std::to_string(master->repeatCount));
        }
        return seen;
    }
    Strings balloon() { return {fake().balloonTitle, fake().balloonText, std::to_string(master->balloonPending)}; }
    std::vector<int64_t> state() { return ints(p().phase, p().elapsedMinutes, master->balloonPending); }
};

TEST_F(PhaseMachine, SixtyFiveWorkedExampleWithItsBalloonsAndClicks) {
    Strings expected;
    for (int m = 5; m <= 45; m += 5) expected.push_back(std::to_string(m) + "R1");
    expected.insert(expected.end(), {"50R2", "55R3", "60E1"});
    EXPECT_EQ(run(60), expected);
    EXPECT_EQ(balloon(), (Strings{"作業終了時間になりました", ClickForRest, "1"}));
    EXPECT_EQ(run(16), (Strings{"65O3", "70O3", "75O3"}));
    EXPECT_EQ(balloon(), (Strings{"15分作業延長中です。。", ClickForRest, "1"}));
    // A balloon click counts only with the button held; it starts the five-minute rest.
    master->onTrayCallback(0, TrayBalloonClick);
    EXPECT_EQ(state(), ints(WorkOver, 76, 1));
    fake().leftButton = true;
    master->onTrayCallback(0, TrayBalloonClick);
    EXPECT_EQ(state(), ints(Resting, 0, 0));
    EXPECT_EQ(run(6), Strings{"5B0"});  // a balloon only, no notice run
    EXPECT_EQ(balloon(), (Strings{"休憩終了です", "今から作業再開なら、ここをクリックしてください。", "1"}));
    master->clickThrough();
    EXPECT_EQ(state(), ints(Working, 0, 0));
    // The repeats count from the minutes left; lengths of 0 end at the first tick.
    p().workMinutes = 23;
    EXPECT_EQ(run(23), (Strings{"5R1", "10R1", "15R2", "20R3", "23E1"}));
    p().workMinutes = 0, p().restMinutes = 0;
    master->startWork();
    EXPECT_EQ(run(1), Strings{"1E1"});
    master->startRest();
    EXPECT_EQ(run(1), Strings{"1B0"});
}

TEST_F(PhaseMachine, ClicksAcknowledgeOnlyAPhaseEnd) {
    for (uint8_t phase : {Stopped, Working, Resting}) {
        p().phase = phase, p().elapsedMinutes = 7, master->balloonPending = 1;
        master->clickThrough();
        EXPECT_EQ(state(), ints(phase, 7, 1));
    }
    fake().balloonResult = false;  // the shell refused the balloon: the click must still work
    p().workMinutes = 1;
    master->startWork();
    master->tick();
    master->onTrayCallback(1, TrayLeftDown);  // another icon's id
    EXPECT_EQ(state(), ints(WorkOver, 1, 1));
    master->onTrayCallback(0, TrayLeftDown);
    EXPECT_EQ(state(), ints(Resting, 0, 0));
    // Nothing pending: a click while resting opens the long-rest dialog, once.
    fake().onDialog = [&](platform::Dialog which) {
        EXPECT_EQ(which, platform::Dialog::LongRest);
        master->onTrayCallback(0, TrayLeftDown);
        LongRest::confirm(*master, "45");
    };
    master->onTrayCallback(0, TrayLeftDown);
    EXPECT_EQ(ints(fake().count("runDialog 4"), p().currentRestMinutes), ints(1, 45));
}

TEST_F(PhaseMachine, AlertSoundOfEachKindAndASilentRestEnd) {
    std::strcpy(p().wavPath, "C:\\chime.wav");
    for (uint8_t kind : {0, 1, 2, 3, 4, 5, 6, 7, 8, 255}) p().soundKind = kind, master->playAlert();
    EXPECT_EQ(fake().beeps, (std::vector<uint32_t>{0x00, 0x10, 0x20, 0x30, 0x40, 0xFFFFFFFFu}));
    EXPECT_TRUE(fake().mciMessages.empty());  // 7 stays silent until a file is picked in this run
    master->sound->fileChosen = 1;
    p().soundKind = 1, p().restMinutes = 0;
    master->startRest();
    master->tick();
    EXPECT_EQ(ints(p().phase, fake().beeps.size()), ints(RestOver, 6));  // the rest end comes without a sound
    p().soundKind = 7, p().workMinutes = 0;
    master->startWork();
    master->tick();  // the work end plays the file, from its beginning each time
    EXPECT_EQ(fake().mciMessages, (Strings{"0x804 0 0", "0x499 0 C:\\chime.wav", "0x806 0 0"}));
    master->sound->closeWindow();
    master->playAlert();
    EXPECT_EQ(fake().mciMessages.size(), 3u);
}

}  // namespace
