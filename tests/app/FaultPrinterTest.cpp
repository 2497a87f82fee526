// Printers that fail while the window runs. Each ends with a clear message, a window that still
// works and nothing of the user's lost.
#include "geometry/SheetLayout.h"
#include "support/FormFixture.h"
#include "support/PictureFiles.h"
#include "support/WindowChecks.h"
#include "support/WindowControls.h"

#include <QTemporaryDir>

namespace
{

const QString Title = QStringLiteral("Greetings from the lighthouse");

class FaultPrinter : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
        pressContinue();
        findControl<QTextEdit>(*form, "TitleMemo")->setPlainText(Title);
        const QString photo = dir.filePath(QStringLiteral("photo.bmp"));
        ASSERT_TRUE(blockPicture(600, 400).save(photo, "BMP"));
        openFrontPicture(photo);
        ASSERT_TRUE(dialogs.errors.isEmpty());
    }

    void expectUsable()
    {
        expectReadyToPrint(*form);
        EXPECT_EQ(findControl<QTextEdit>(*form, "TitleMemo")->toPlainText(), Title);
        EXPECT_FALSE(form->state().FrontSheetImage.isNull());
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(FaultPrinter, ResolutionOfZeroIsRefusedWithoutLosingTheFiguresInUse)
{
    const PrinterMetrics good = form->state().Metrics;
    const QImage page = form->state().PrintPageImage;

    // The user picks a printer whose driver reports no resolution.
    printer.dpiX = printer.dpiY = 0;
    findControl<QPushButton>(*form, "PrinterSetupButton")->click();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("resolution of 0 x 0")))
        << dialogs.errors[0].toStdString();
    EXPECT_EQ(form->state().Metrics.DpiX, good.DpiX);
    EXPECT_EQ(form->state().PrintPageImage, page);
    expectUsable();

    for (const bool fronts : {false, true}) {
        dialogs.errors.clear();
        EXPECT_EQ(printFromTab(fronts), 0);
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("Choose another printer")));
        EXPECT_EQ(form->state().Metrics.DpiX, good.DpiX);
        expectUsable();
    }
    // The layouts and the front still compose with the figures in use.
    dialogs.errors.clear();
    findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::FourOnSheet);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(form->state().FrontSheetImage.size(), QSize(1100, 850));

    // A working printer again: both prints go through.
    printer.dpiX = printer.dpiY = 600;
    findControl<QPushButton>(*form, "PrinterSetupButton")->click();
    EXPECT_EQ(printFromTab(false), 1);
    EXPECT_EQ(printFromTab(true), 1);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    expectUsable();
}
