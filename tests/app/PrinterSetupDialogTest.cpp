// The real printer set-up dialog opens on the very printer the window prints to: it shows the
// orientation the user works in, and what the user leaves in it is adopted, confirmed or not.
#include "app/QtDialogs.h"
#include "qtprinter/QtPrinterDevice.h"

#include <QApplication>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace
{

// Runs `answer` on the print dialog once it is open and counts the dialogs seen.
int answerPrintDialog(QtDialogs& dialogs, bool& confirmed,
                      const std::function<void(QPrintDialog&)>& answer)
{
    int seen = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            ++seen;
            answer(*dialog);
        }
    });
    poll.start(10);
    confirmed = dialogs.printerSetup();
    return seen;
}

} // namespace

TEST(PrinterSetupDialog, WorksOnThePrinterTheWindowPrintsToAndAdoptsItsOrientation)
{
    QTemporaryDir folder;
    auto device = QtPrinterDevice::pdfFiles(folder.path());
    device->setOrientation(QPageLayout::Landscape);
    QtDialogs dialogs(*device);

    bool confirmed = true;
    const int seen = answerPrintDialog(dialogs, confirmed, [&](QPrintDialog& dialog) {
        EXPECT_EQ(dialog.printer(), &device->printer());
        EXPECT_EQ(dialog.printer()->pageLayout().orientation(), QPageLayout::Landscape);
        // What the dialog leaves on the printer holds even when the user cancels.
        dialog.printer()->setPageOrientation(QPageLayout::Portrait);
        dialog.reject();
    });
    EXPECT_EQ(seen, 1);
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(device->orientation(), QPageLayout::Portrait);

    const int again =
        answerPrintDialog(dialogs, confirmed, [](QPrintDialog& dialog) { dialog.accept(); });
    EXPECT_EQ(again, 1);
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(device->orientation(), QPageLayout::Portrait);
}
