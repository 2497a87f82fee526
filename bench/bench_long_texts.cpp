// Memos that hold 100,000 characters each: rendering the card back and the Print command (to a
// PDF file, "Landscape-Landscape"), beside the same with the default texts. Rows:
//   BM_RenderOneLongWord     every memo one word of 100,000 letters
//   BM_RenderLongProse       every memo 100,000 characters of words of 1 to 12 letters
//   BM_RenderDefaultTexts    the reference: the card as it starts
//   BM_PrintOneLongWord      the Print command with the long words
//   BM_PrintLongProse        the Print command with the long prose
//   BM_PrintDefaultTexts     the reference
// Each must stay within a second; the ratio says what the long texts cost over the card itself.
#include "app/TForm1.h"
#include "back/CardBack.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/BenchMain.h"
#include "support/WindowControls.h"

#include <QTemporaryDir>
#include <memory>

namespace
{

constexpr int TextLength = 100000;
constexpr int Repetitions = 5;

QString oneLongWord()
{
    return QString(TextLength, QLatin1Char('W'));
}

QString longProse()
{
    QString text;
    text.reserve(TextLength);
    quint32 seed = 7;
    while (text.size() < TextLength) {
        seed = seed * 1103515245U + 12345U;
        const int length = 1 + int(seed >> 16) % 12;
        for (int i = 0; i < length; ++i)
            text += QLatin1Char(char('a' + (seed >> (i % 16)) % 26));
        text += QLatin1Char(' ');
    }
    text.truncate(TextLength);
    return text;
}

// The window after "Continue" with the vertical text, the typed address and the lower-left text
// chosen, so that every memo is drawn; it prints to PDF files in a temporary folder.
struct Session : BenchSession {
    QTemporaryDir dir;
    BenchDialogs dialogs;
    std::unique_ptr<QtPrinterDevice> printer = QtPrinterDevice::pdfFiles(dir.path());
    std::unique_ptr<TForm1> form;
    QStringList defaults;

    Session()
    {
        form = std::make_unique<TForm1>(dialogs, *printer);
        form->guard([this] { form->FormActivate(); });
        findControl<QPushButton>(*form, "ContinueButton")->click();
        findControl<RadioGroup>(*form, "AddressSeperatorRadioGroup")
            ->setChoice(AddressSeparator::VerticalText);
        findControl<RadioGroup>(*form, "AddressLinesRadioGroup")->setChoice(AddressLines::Text);
        findControl<RadioGroup>(*form, "LowerLeftCornerRadioGroup")
            ->setChoice(LowerLeftCorner::Text);
        for (QTextEdit* memo : memos())
            defaults << memo->toPlainText();
    }
    std::vector<QTextEdit*> memos() const
    {
        return {findControl<QTextEdit>(*form, "TitleMemo"),
                findControl<QTextEdit>(*form, "DescMemo"),
                findControl<QTextEdit>(*form, "CreatedByMemo"),
                findControl<QTextEdit>(*form, "LowerLeftTextMemo"),
                findControl<QTextEdit>(*form, "StampMemo"),
                findControl<QTextEdit>(*form, "AddressMemo")};
    }
    void setTexts(const QString& text)
    {
        int i = 0;
        for (QTextEdit* memo : memos())
            memo->setPlainText(text.isNull() ? defaults[i++] : text);
    }
};

Session& session(const QString& text)
{
    Session& s = benchSession<Session>();
    s.setTexts(text);
    return s;
}

void reportErrors(benchmark::State& state, const Session& s)
{
    if (!s.dialogs.errors.isEmpty())
        state.SkipWithError(qPrintable(s.dialogs.errors.join(QLatin1Char('\n'))));
}

void renderBench(benchmark::State& state, const QString& text)
{
    Session& s = session(text);
    for (auto _ : state)
        s.form->guard([&] { s.form->DrawPostCardBack(s.form.get(), 1, 0, 0); });
    reportErrors(state, s);
}

void printBench(benchmark::State& state, const QString& text)
{
    Session& s = session(text);
    for (auto _ : state)
        s.form->guard(
            [&] { s.form->PrintButtonClick(findControl<QPushButton>(*s.form, "PrintButton")); });
    reportErrors(state, s);
}

void BM_RenderOneLongWord(benchmark::State& state)
{
    renderBench(state, oneLongWord());
}
void BM_RenderLongProse(benchmark::State& state)
{
    renderBench(state, longProse());
}
void BM_RenderDefaultTexts(benchmark::State& state)
{
    renderBench(state, QString());
}
void BM_PrintOneLongWord(benchmark::State& state)
{
    printBench(state, oneLongWord());
}
void BM_PrintLongProse(benchmark::State& state)
{
    printBench(state, longProse());
}
void BM_PrintDefaultTexts(benchmark::State& state)
{
    printBench(state, QString());
}

#define LONG_TEXT_BENCHMARK(name)                                                                  \
    BENCHMARK(name)                                                                                \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Repetitions(Repetitions)                                                                 \
        ->ReportAggregatesOnly(true)
LONG_TEXT_BENCHMARK(BM_RenderOneLongWord);
LONG_TEXT_BENCHMARK(BM_RenderLongProse);
LONG_TEXT_BENCHMARK(BM_RenderDefaultTexts);
LONG_TEXT_BENCHMARK(BM_PrintOneLongWord);
LONG_TEXT_BENCHMARK(BM_PrintLongProse);
LONG_TEXT_BENCHMARK(BM_PrintDefaultTexts);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv,
                         {{"BM_RenderOneLongWord", "BM_RenderDefaultTexts"},
                          {"BM_RenderLongProse", "BM_RenderDefaultTexts"},
                          {"BM_PrintOneLongWord", "BM_PrintDefaultTexts"},
                          {"BM_PrintLongProse", "BM_PrintDefaultTexts"}});
}
