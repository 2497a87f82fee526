// Work off the user-interface thread: quick work waits silently, slow work offers Cancel, the
// window's timers keep firing meanwhile (so it repaints), errors come back.
#include "app/BackgroundWork.h"
#include "app/TForm1.h"
#include "gfx/AppError.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

const QString Text = QStringLiteral("Opening the picture...");

// Work that runs until it is cancelled or `ms` have passed; says which.
auto workFor(int ms)
{
    return [ms](const BackgroundJob& job) {
        QElapsedTimer clock;
        clock.start();
        while (!job.progress.cancel && clock.elapsed() < ms)
            QThread::msleep(2);
        return job.progress.cancel ? QStringLiteral("cancelled") : QStringLiteral("finished");
    };
}

} // namespace

TEST(BackgroundWork, QuickWorkShowsNoBoxAndHandsItsResultOrErrorBack)
{
    ScriptedDialogs dialogs;
    EXPECT_EQ(runInBackground(dialogs, Text, workFor(20)), QStringLiteral("finished"));
    EXPECT_TRUE(dialogs.waitsShown.isEmpty());

    try {
        runInBackground(dialogs, Text, [](const BackgroundJob&) -> int {
            throw AppError(QStringLiteral("Bitmap image is not valid"));
        });
        ADD_FAILURE() << "the work's error was not raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.text(), QStringLiteral("Bitmap image is not valid"));
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the hourglass is gone again
}

TEST(BackgroundWork, SlowWorkOffersCancelWhileTheWindowKeepsWorking)
{
    ScriptedDialogs dialogs;
    // A timer of the window keeps firing while the work runs.
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(20);
    int ticksBeforeBox = 0;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    dialogs.duringWait = [&] {
        ticksBeforeBox = ticks;
        if (QApplication::overrideCursor())
            cursor = QApplication::overrideCursor()->shape();
    };
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(runInBackground(dialogs, Text, workFor(900)), QStringLiteral("finished"));
    EXPECT_GE(clock.elapsed(), 900);
    ASSERT_EQ(dialogs.waitsShown, QStringList{Text});
    EXPECT_GE(ticksBeforeBox, 3); // half a second of a 20 ms timer, on however busy a machine
    EXPECT_EQ(cursor, Qt::WaitCursor);
}

TEST(BackgroundWork, CancelEndsTheWaitAtOnceAndStopsTheWork)
{
    ScriptedDialogs dialogs;
    dialogs.waitCancels.push_back(true);
    auto outcome = std::make_shared<std::atomic<int>>(0); // 1 cancelled, 2 ran to its end
    // The work is held until the wait has ended: a wait that waited for it would not end.
    auto held = std::make_shared<std::atomic<bool>>(true);
    const std::optional<int> result =
        runInBackground(dialogs, Text, [outcome, held](const BackgroundJob& job) {
            QElapsedTimer workClock;
            workClock.start();
            while (*held && workClock.elapsed() < 10'000)
                QThread::msleep(2);
            *outcome = job.progress.cancel ? 1 : 2;
            return 7;
        });
    EXPECT_FALSE(result.has_value());
    EXPECT_EQ(*outcome, 0);
    EXPECT_EQ(dialogs.waitsShown.size(), 1);
    // The work itself saw the cancel, not only the wait.
    *held = false;
    spinEventsUntil([&] { return *outcome != 0; }, 10'000);
    EXPECT_EQ(*outcome, 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(BackgroundWork, ExitDuringALongReadClosesTheWindowAndThePoolJoinsTheRead)
{
    // A read that sees its cancel only after a long step (Qt decodes some formats whole): it
    // runs until the test lets it go, or 20 seconds.
    auto release = std::make_shared<QSemaphore>();
    auto ended = std::make_shared<std::atomic<bool>>(false);
    {
        ScriptedDialogs dialogs;
        RecordingPrinter printer;
        TForm1 form(dialogs, printer);
        form.guard([&] { form.FormActivate(); });
        startBackgroundWork(std::make_shared<BackgroundJob>(), [release, ended] {
            release->tryAcquire(1, 20'000);
            *ended = true;
        });
        dialogs.questionAnswers = {true}; // "Are you sure you want to end program?"
        findControl<QPushButton>(form, "ExitAboutButton")->click();
        EXPECT_EQ(dialogs.questions.size(), 1);
    } // the window goes, as when the program ends: it waits half a second at most, not the 20
    EXPECT_FALSE(*ended) << "the window waited for the read to end";
    // The read is on a thread of Qt's pool, which the application joins before it ends.
    release->release();
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_TRUE(*ended);
}
