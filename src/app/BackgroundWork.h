#pragma once
// Work that may take long (decoding a picture) run off the user-interface thread, so that the
// window keeps repainting while it runs and the user can stop waiting for it.
#include "gfx/Picture.h"

#include <QString>

#include <atomic>
#include <exception>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

class Dialogs;

// What one piece of work shares with the threads that wait for it or ask it to stop.
struct BackgroundJob {
    PictureProgress progress;      // its cancel is set from any thread; the work ends soon after
    std::atomic<bool> done{false}; // set by the worker once it has stored its outcome
    std::exception_ptr error;      // the work's error, written before `done`
};

// Runs `work` on a thread of Qt's pool (joined when the application ends), which keeps `job`
// alive until the work has ended. The work holds what it uses, nothing of the window.
void startBackgroundWork(std::shared_ptr<BackgroundJob> job, std::function<void()> work);

// Asks every work still running to cancel and waits until each has ended, half a second at
// most: the window's Exit never waits longer for a read. Work that sees the cancel later ends on
// its own thread, which the application joins.
void stopBackgroundWork();

// Runs the event loop without user input (the window repaints, timers fire) until `done` says
// so or `ms` have passed.
void spinEventsUntil(const std::function<bool()>& done, int ms = std::numeric_limits<int>::max());

// How long work may run before the user is offered to stop waiting for it: half a second, or
// what a test sets (0 offers it at once, on every machine).
constexpr int QuickWorkMs = 500;
void setQuickWorkMs(int ms);

// Waits for `job` with the hourglass shown. The window keeps repainting and timers keep firing,
// but user input waits until the work is done; work still running after the quick time gets the
// dialogs' wait box, whose Cancel asks the work to stop and ends the wait at once (the work
// then ends on its own). Returns whether the work finished; its error is raised here.
bool waitForBackgroundWork(Dialogs& dialogs, const QString& text,
                           const std::shared_ptr<BackgroundJob>& job);

// Runs `work` (given the job, to hand its progress to the reader) off this thread and waits for it
// as above. Empty when the user cancelled.
template <typename Work>
auto runInBackground(Dialogs& dialogs, const QString& text, Work work)
    -> std::optional<decltype(work(std::declval<BackgroundJob&>()))>
{
    using Result = decltype(work(std::declval<BackgroundJob&>()));
    auto job = std::make_shared<BackgroundJob>();
    // The result lives as long as the job's thread or this call needs it, whichever is longer.
    auto result = std::make_shared<std::optional<Result>>();
    startBackgroundWork(job, [work = std::move(work), job = job.get(), result]() mutable {
        result->emplace(work(*job));
    });
    if (!waitForBackgroundWork(dialogs, text, job))
        return std::nullopt;
    return std::move(*result);
}
