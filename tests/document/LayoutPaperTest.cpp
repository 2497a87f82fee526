// The paper a layout prints on: its own when the printer offers it, else the printer's only when
// the user agrees; the first four layouts print on the printer's paper without a question.
#include "document/CardRender.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

namespace
{

TEST(LayoutPaper, TakesTheLayoutsPaperOrAsksBeforeThePrintersOwn)
{
    const QPageSize a4(QPageSize::A4), a6(QPageSize::A6), letter(QPageSize::Letter);
    const QPageSize photo = sheetLayoutAt(Layout::SingleOn4x6)->paper;
    const struct {
        Layout layout;
        QPageSize now;
        std::vector<QPageSize> offered;
        bool answer;
        bool asked;
        QPageSize after;     // the paper printed on, when printing goes on
        QString papersNamed; // in the question: the layout's paper, then the printer's
    } cases[] = {
        {Layout::FourA6OnA4, letter, {letter, a4}, false, false, a4, ""},
        {Layout::FourA6OnA4, a4, {a4}, false, false, a4, ""},
        {Layout::FourA6OnA4, letter, {letter, a6}, true, true, letter, "A4 Letter"},
        {Layout::FourA6OnA4, letter, {letter}, false, true, letter, "A4 Letter"},
        // On photo paper a single A6 card lies centred: no question, and A6 when offered.
        {Layout::SingleA6, photo, {photo}, false, false, photo, ""},
        {Layout::SingleA6, letter, {letter, photo}, false, false, photo, ""},
        {Layout::SingleA6, letter, {letter, photo, a6}, false, false, a6, ""},
        {Layout::SingleA6, a4, {a4, letter}, true, true, a4, "A6 A4"},
        {Layout::FourOnSheet, a4, {a4, letter}, false, false, a4, ""},
        {Layout::SingleOn4x6, letter, {letter}, false, false, letter, ""},
    };
    for (const auto& c : cases) {
        const auto row = QStringLiteral("%1 on %2").arg(layoutName(c.layout), c.now.name());
        RecordingPrinter printer;
        printer.paperNow = c.now;
        printer.papersOffered = c.offered;
        QStringList questions;
        const bool goesOn = agreeOnPaper(printer, c.layout, [&](const QString& question) {
            questions << question;
            return c.answer;
        });
        EXPECT_EQ(questions.size(), c.asked ? 1 : 0) << row.toStdString();
        EXPECT_EQ(goesOn, !c.asked || c.answer) << row.toStdString();
        EXPECT_TRUE(printer.paperNow.isEquivalentTo(c.after)) << row.toStdString();
        if (c.asked) {
            const QStringList named = c.papersNamed.split(QLatin1Char(' '));
            const QString& q = questions.value(0);
            EXPECT_TRUE(q.contains(QStringLiteral("no %1 paper").arg(named[0])) &&
                        q.contains(QStringLiteral("on %1 paper").arg(named[1])))
                << q.toStdString();
        }
    }
}

} // namespace
