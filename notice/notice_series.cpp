// Starting and ending notice runs, and the worker thread that steps one run.
//
// `animating` and `repeatCount` are the only state the UI thread and the worker share.
// Every start claims `animating` with one exchange, so of two starts that meet (a tick or
// the preview on the UI thread, a repeat on the worker) exactly one proceeds.
#include "notice/notice_series.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/master.h"
#include "notice/movement.h"
#include "notice/notice_screens.h"
#include "timer/options.h"
#include "timer/property.h"

namespace {

constexpr unsigned MotionNoneMilliseconds = 2000;

std::atomic<bool> workersClosed{false};
// The MOVE page's preview shows the motion on the primary monitor only, beside the page's
// colour sample. Written by whoever has just claimed the run, read by its worker.
std::atomic<bool> previewRun{false};
std::atomic<int> workersInMaster{0};

// Enters Master from a worker unless the program is closing. The count goes up before
// the flag is read, and closeNoticeWorkers sets the flag before reading the count, so one
// of the two always sees the other.
class MasterAccess {
public:
    MasterAccess() {
        workersInMaster.fetch_add(1);
        granted = !workersClosed.load();
    }
    ~MasterAccess() { workersInMaster.fetch_sub(1); }
    MasterAccess(const MasterAccess&) = delete;
    MasterAccess& operator=(const MasterAccess&) = delete;
    explicit operator bool() const { return granted; }

private:
    bool granted;
};

// Takes one run off the count; a count already at 0 stays there rather than wrapping to
// 255 runs. Returns the runs still to do.
uint8_t takeOneRun(std::atomic<uint8_t>& count) {
    uint8_t seen = count.load();
    while (seen != 0 && !count.compare_exchange_weak(seen, static_cast<uint8_t>(seen - 1))) {
    }
    return seen == 0 ? 0 : static_cast<uint8_t>(seen - 1);
}

// The one atomic test-and-set of a start.
bool claimRun(Master& master) { return master.animating.exchange(1) == 0; }

// The rest of a start, once `animating` is claimed: the pointer-hole timer and the worker.
// Without a worker nothing would ever end the run and no notice could start again, so a
// failed thread creation ends the run (and its series) here.
bool launchRun(Master& master) {
    platform::setWindowTimer(master.noticeWindow, NoticeHoleTimerId, NoticeStepMilliseconds);
    uint32_t id = 0;
    if (platform::startThread(noticeThread, &id)) {
        master.threadId = id;
        return true;
    }
    master.animating = 0;
    platform::killWindowTimer(master.noticeWindow, NoticeHoleTimerId);
    return false;
}

bool startRun(Master& master) {
    if (!master.noticeWindow || !claimRun(master)) return false;
    previewRun = false;
    return launchRun(master);
}

std::unique_ptr<Movement> makeMovement(uint8_t kind, const NoticeScreen& screen, uint8_t size, uint8_t speed) {
    switch (kind) {
    case MoveFade: return std::make_unique<MovFout>(screen.window, screen.area, size, speed);
    case MoveLeftRight: return std::make_unique<MovLr>(screen.window, screen.area, size, speed);
    case MoveTopDown: return std::make_unique<MovUd>(screen.window, screen.area, size, speed);
    default: return nullptr;  // none, and any unknown code from a damaged param.dat
    }
}

}  // namespace

// Steps the motion against a fixed schedule, start + i x 50 ms, so that the time each
// step takes (moving and repainting the window) does not stretch the run. A step that is
// late by a whole period or more (the machine was busy or asleep) restarts the schedule
// instead of rushing the steps it missed.
void runMovement(Movement& movement) {
    Movement* one[] = {&movement};
    runMovements(one, 1);
}

// One step moves every window that has not yet parked; the run goes on while any has not.
static bool stepAll(Movement* const* movements, size_t count, std::vector<bool>& done) {
    bool more = false;
    for (size_t k = 0; k < count; ++k) {
        if (done[k]) continue;
        if (movements[k]->nextFrame()) more = true;
        else done[k] = true;
    }
    return more;
}

void runMovements(Movement* const* movements, size_t count) {
    std::vector<bool> done(count, false);
    uint64_t start = platform::monotonicMilliseconds();
    for (uint64_t i = 1; stepAll(movements, count, done); ++i) {
        uint64_t due = start + i * NoticeStepMilliseconds;
        uint64_t now = platform::monotonicMilliseconds();
        if (now < due) platform::sleepMilliseconds(static_cast<unsigned>(due - now));
        else if (now - due >= NoticeStepMilliseconds) start = now - i * NoticeStepMilliseconds;
    }
}

void noticeThread() {
    Master* master = theMaster;
    std::vector<std::unique_ptr<Movement>> movements;
    {
        MasterAccess access;
        if (!access || !master) return;
        // The run keeps the settings and the screens it starts with; a change on the MOVE
        // page or of the monitors applies from the next run on.
        const Property& settings = *master->property;
        const bool all = master->options && master->options->allMonitors && !previewRun;
        for (const NoticeScreen& screen :
             noticeScreens(master->noticeWindow, extraNoticeWindows(), platform::monitors(), all)) {
            std::unique_ptr<Movement> m = makeMovement(settings.moveKind, screen, settings.moveSize, settings.moveSpeed);
            if (m) movements.push_back(std::move(m));
        }
    }
    if (!movements.empty()) {
        std::vector<Movement*> stepped;
        for (auto& m : movements) stepped.push_back(m.get());
        runMovements(stepped.data(), stepped.size());
    } else {
        platform::sleepMilliseconds(MotionNoneMilliseconds);
    }
    movements.clear();

    MasterAccess access;
    if (access) master->noticeEnded();
}

void openNoticeWorkers() { workersClosed = false; }

void closeNoticeWorkers() { workersClosed = true; }

bool noticeWorkerInMaster() { return workersInMaster.load() != 0; }

void Master::startNotice() { startRun(*this); }

void Master::previewNotice() {
    // The claim comes first, so a refused preview leaves the running series' count alone.
    if (!noticeWindow || !claimRun(*this)) return;
    repeatCount = 1;
    previewRun = true;
    launchRun(*this);
}

void Master::noticeEnded() {
    animating = 0;
    platform::killWindowTimer(noticeWindow, NoticeHoleTimerId);
    uint8_t left = takeOneRun(repeatCount);
    if (left == 0) return;
    // The person may have started a presentation or left the desk since the series began:
    // it then ends quietly. Only this series' count is cleared; a tick that has set a new
    // one meanwhile keeps it.
    if (keepQuiet()) {
        repeatCount.compare_exchange_strong(left, 0);
        return;
    }
    // Each further run comes with the alert sound. A start refused because a tick has
    // just begun a run of its own plays nothing here: that tick plays its sound itself.
    if (startRun(*this)) playAlert();
}
