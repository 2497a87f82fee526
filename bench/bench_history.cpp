// Undo and redo of one step of a card whose front is a 4000 x 3000 photograph, through the
// window's Edit menu (the card shown again, the back and the front drawn again), beside one
// render of the back and its preview. The memory a hundred steps add is reported too.
#include "app/TForm1.h"
#include "back/CardBack.h"
#include "gfx/JpegCodec.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/BenchMain.h"
#include "support/BenchPictures.h"
#include "support/WindowControls.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace
{

// The process's resident memory in bytes, from /proc.
qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : 0;
}

// The window after Continue with the photo on the front and one step to undo.
struct Session : BenchSession {
    QTemporaryDir dir;
    BenchDialogs dialogs;
    QtPrinterDevice printer;
    std::unique_ptr<TForm1> form;
    QString photo = dir.filePath(QStringLiteral("photo.jpg"));

    Session()
    {
        writeJpegFile(photoLikePicture(4000, 3000), photo, 90);
        form = std::make_unique<TForm1>(dialogs, printer);
        form->guard([this] { form->FormActivate(); });
        findControl<QPushButton>(*form, "ContinueButton")->click();
        dialogs.pictures = {photo};
        findControl<QAction>(*form, "OpenPopup")->trigger();
        findControl<RadioGroup>(*form, "AddressLinesRadioGroup")->setChoice(AddressLines::Text);
    }
};

Session& session()
{
    return benchSession<Session>();
}

void BM_UndoAndRedoOneStep12MP(benchmark::State& state)
{
    Session& s = session();
    QAction* undo = findControl<QAction>(*s.form, "UndoItem");
    QAction* redo = findControl<QAction>(*s.form, "RedoItem");
    for (auto _ : state) {
        undo->trigger();
        redo->trigger();
    }
    if (!s.dialogs.shown.isEmpty())
        state.SkipWithError(qPrintable(s.dialogs.shown.join(QLatin1Char('\n'))));
    // Two steps a round: the per-step time is half the reported one.
    state.counters["steps"] = 2;
}
BENCHMARK(BM_UndoAndRedoOneStep12MP)->Unit(benchmark::kMillisecond);

void BM_RenderBack(benchmark::State& state)
{
    Session& s = session();
    for (auto _ : state)
        s.form->DrawPostCardBack(s.form.get(), 1, 0, 0);
}
BENCHMARK(BM_RenderBack)->Unit(benchmark::kMillisecond);

// A hundred steps, typing in two fields by turns (each turn a step of its own): the memory they
// add, with the photo shared by all.
void BM_HundredSteps12MP(benchmark::State& state)
{
    Session& s = session();
    QTextEdit* memos[] = {findControl<QTextEdit>(*s.form, "DescMemo"),
                          findControl<QTextEdit>(*s.form, "TitleMemo")};
    qint64 added = 0;
    for (auto _ : state) {
        const qint64 before = residentBytes();
        for (int i = 0; i < 100; ++i)
            memos[i % 2]->setPlainText(QStringLiteral("Step %1").arg(i));
        added = residentBytes() - before;
    }
    state.counters["added MB"] = double(added) / (1024 * 1024);
}
BENCHMARK(BM_HundredSteps12MP)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv, {{"BM_UndoAndRedoOneStep12MP", "BM_RenderBack"}});
}
