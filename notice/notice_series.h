// The notice worker thread and the guard that keeps it away from Master at exit.
#pragma once

#include <cstddef>

// The worker thread's routine: one run of the configured motion (or a 2 s wait for the
// motion none), then Master's end-of-run step, which may start the next run of a series.
void noticeThread();

class Movement;
// Steps a motion every 50 ms until it reports the end of its run.
void runMovement(Movement& movement);
// Steps several motions together, one window per monitor, until every one has parked.
void runMovements(Movement* const* movements, size_t count);

// Nothing waits for a running worker at exit, but Master is torn down right after the
// message loop ends. A worker touches Master only at the start of its run (the settings)
// and at its end (noticeEnded); these two calls fence those moments off.
//
// Called when the notice window is created: workers may use Master.
void openNoticeWorkers();
// Called when the notice window is destroyed at exit: from now on a worker leaves Master
// alone. True while a worker is still inside Master; the caller waits for it to leave.
void closeNoticeWorkers();
bool noticeWorkerInMaster();
