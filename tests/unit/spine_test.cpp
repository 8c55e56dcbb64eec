// Master's wiring: the main window's creation and teardown, the tray registration, the tray
// menu, commands and the guarded dialogs.
#include <gtest/gtest.h>

#include <functional>

#include "app/menu.h"
#include "tests/support/test_env.h"

namespace {

using Spine = MasterTest;

// Whether each call starting with one of the prefixes comes after the one before it.
void expectInOrder(const std::vector<std::string>& prefixes) {
    ASSERT_LT(fake().first(prefixes.back()), fake().calls.size()) << prefixes.back();
    for (size_t i = 1; i < prefixes.size(); ++i) EXPECT_LT(fake().first(prefixes[i - 1]), fake().first(prefixes[i])) << prefixes[i];
}

TEST_F(Spine, CreationRegistersTheIconRetryingTimeoutsThenStartsWork) {
    expectInOrder({"notifyIcon Add レストワーデン", "loadMenu POPUPMENU", "createMciWindow", "setTimer 1 60000",
                   "notifyIcon Modify 作業中です。あと60分 [0 / 60分]"});
    const struct {
        std::vector<bool> add, modify;
        bool timeout;
        int adds, sleeps;
        bool created;
    } rows[] = {
        {{false, false, true}, {false, false}, true, 3, 2, true},
        {{false}, {true}, true, 1, 0, true},  // the icon stood after the timeout: no retry
        {{false}, {}, false, 1, 0, false},
    };
    for (const auto& r : rows) {
        resetFake();
        fake().trayAddResults = r.add, fake().trayModifyResults = r.modify, fake().trayFailureIsTimeout = r.timeout;
        Master other;
        static int window;
        EXPECT_EQ(other.onCreate(&window), r.created);
        EXPECT_EQ(ints(fake().count("notifyIcon Add"), fake().count("sleep 1000"), fake().saw("messageBox ERROR 通知領域へのアイコンを登録失敗 48")),
                  ints(r.adds, r.sleeps, !r.created));
    }
    theMaster = master.get();
}

TEST_F(Spine, MenuGreysTheCommandThatWouldRestartThePhase) {
    auto items = [] {  // "開始 休憩 停止" as e (enabled) or g (greyed)
        std::string s;
        for (unsigned id : {CmdStartWork, CmdStartRest, CmdStop}) s += fake().menuStates[id] == 3 ? 'g' : 'e';
        return s;
    };
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[] {}, "gee"},
        {[&] { p().workMinutes = 2; ticks(2); }, "gee"},  // a phase end does not touch the menu
        {[&] { master->onCommand(CmdStartRest); }, "ege"},
        {[&] { master->onCommand(CmdStop); }, "eeg"},
        {[&] { master->onCommand(CmdStartRest); }, "ege"},
        {[&] { master->onCommand(CmdStartWork); }, "gee"},
        {[&] { ticks(2); master->clickThrough(); }, "ege"},
    };
    for (const auto& [step, want] : steps) {
        step();
        EXPECT_EQ(items(), want);
    }
    fake().cursor = {1010, 760};
    master->onTrayCallback(0, TrayRightDown);
    expectInOrder({"setForegroundWindow", "trackPopupMenu 1010,760"});
}

TEST_F(Spine, GuardedDialogsOpenOnceEachButSideBySide) {
    fake().onDialog = [&](platform::Dialog which) {
        if (which != platform::Dialog::Settings) return;
        master->onCommand(CmdSettings);    // ignored: already open
        master->onCommand(CmdWorkStatus);  // opens beside it
    };
    master->onCommand(CmdSettings);
    master->onCommand(CmdSettings);  // closed again: opens
    EXPECT_EQ(ints(fake().count("runDialog 0"), fake().count("runDialog 1")), ints(2, 2));
}

TEST_F(Spine, ExitTearsDownInOrderAndSessionEndSavesAtOnce) {
    p().restMinutes = 12;
    master->saveForShutdown();
    EXPECT_EQ(readBytes("param.dat")[276], 12);
    master->tick();
    master->onTaskbarCreated();  // the shell restarted: the icon comes back as it was
    EXPECT_EQ(fake().calls.back(), std::string("notifyIcon Add ") + master->trayData.tip);
    p().workMinutes = 42;
    master->onCommand(CmdExit);
    EXPECT_EQ(fake().count("closeWindow"), 1);
    fake().calls.clear();
    master->onClose();  // the notice window first
    master->onDestroy();
    EXPECT_EQ(fake().first("closeWindow"), 0u);
    expectInOrder({"closeWindow", "killTimer 1", "destroyMenu", "notifyIcon Delete", "quit"});
    master.reset();
    EXPECT_EQ(readBytes("param.dat")[272], 42);
}

}  // namespace
