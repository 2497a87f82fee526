#include "BackgroundWork.h"

#include "Dialogs.h"
#include "WaitCursor.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <vector>

namespace
{

// How often a wait looks whether its work is done: far below what a person notices.
constexpr int PollMs = 10;
// How long the window, as it closes, waits for the work it cancelled: a person still sees the
// window go at once, and a read that checks its cancel ends well within it.
constexpr auto StopWait = std::chrono::milliseconds(500);
// The quick time in force (setQuickWorkMs).
int quickWork = QuickWorkMs;

// The work still running, so that the program can stop it and wait for it before it ends.

struct RunningWork {
    std::mutex mutex;
    std::condition_variable ended;
    std::vector<std::shared_ptr<BackgroundJob>> jobs;
};

RunningWork& running()
{
    static RunningWork work;
    return work;
}

void forget(const std::shared_ptr<BackgroundJob>& job)
{
    RunningWork& r = running();
    {
        const std::lock_guard<std::mutex> lock(r.mutex);
        std::erase(r.jobs, job);
    }
    r.ended.notify_all();
}

} // namespace

void spinEventsUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || clock.elapsed() >= ms)
            loop.quit();
    });
    poll.start(PollMs);
    if (!done())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void startBackgroundWork(std::shared_ptr<BackgroundJob> job, std::function<void()> work)
{
    {
        const std::lock_guard<std::mutex> lock(running().mutex);
        running().jobs.push_back(job);
    }
    // On a thread of Qt's pool, which the application joins before it ends; reserved, so that
    // the work starts at once however busy the pool is.
    QThreadPool* pool = QThreadPool::globalInstance();
    pool->reserveThread();
    pool->startOnReservedThread([job = std::move(job), work = std::move(work)]() mutable {
        try {
            work();
        } catch (...) {
            job->error = std::current_exception();
        }
        work = nullptr; // what it holds goes before the work counts as ended
        job->done = true;
        forget(job);
    });
}

void setQuickWorkMs(int ms)
{
    quickWork = ms;
}

void stopBackgroundWork()
{
    RunningWork& r = running();
    std::unique_lock<std::mutex> lock(r.mutex);
    for (const auto& job : r.jobs)
        job->progress.cancel = true;
    r.ended.wait_for(lock, StopWait, [&] { return r.jobs.empty(); });
}

bool waitForBackgroundWork(Dialogs& dialogs, const QString& text,
                           const std::shared_ptr<BackgroundJob>& job)
{
    WaitCursor wait;
    const auto done = [&job] { return bool(job->done); };
    if (quickWork > 0)
        spinEventsUntil(done, quickWork);
    if (!done() && !dialogs.waitForWork(text, done)) {
        job->progress.cancel = true;
        return false;
    }
    spinEventsUntil(done);
    if (job->error)
        std::rethrow_exception(job->error);
    return true;
}
