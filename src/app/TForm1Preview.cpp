// Print > Print Preview...: the window's side of the preview; the dialog shows, the print path
// makes the pages.
#include "PrintPreviewDialog.h"
#include "TForm1.h"
#include "ui_TForm1.h"
#include "widgets/RadioGroup.h"

#include <QKeySequence>
#include <QMenu>
#include <QUndoStack>

void TForm1::createPrintPreviewCommand()
{
    PrintPreviewItem = new QAction(tr("Print Pre&view..."), this);
    PrintPreviewItem->setObjectName(QStringLiteral("PrintPreviewItem"));
    PrintPreviewItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    PrintPreviewItem->setProperty(
        "hint", tr("Shows the sheets as the printer will get them: the fronts, the backs and the "
                   "backs seen through the sheet, on the printer's paper in the chosen quality."));
    ui.PrintMenu->insertAction(ui.PrintBothSidesItem, PrintPreviewItem);
    ui.PrintMenu->insertSeparator(ui.PrintBothSidesItem);
    connect(PrintPreviewItem, &QAction::triggered, this,
            [this] { guard([this] { PrintPreviewItemClick(PrintPreviewItem); }); });
    // Layout, turn, nudges, copies and the card itself: every change is a step of the history.
    connect(&history_.stack(), &QUndoStack::indexChanged, this, [this] { refreshPrintPreview(); });
    connect(ui.PrintQualityRadioGroup, &RadioGroup::changed, this,
            [this] { refreshPrintPreview(); });
}

void TForm1::PrintPreviewItemClick(QObject*)
{
    // The preview shows the paper the print will take: the layout's, once agreed.
    if (!paperAgreed())
        return;
    if (!PrintPreview) {
        PrintPreview = new PrintPreviewDialog(
            [this] { return preparePreview(printer(), document(), printQuality()); },
            [this](const PreparedPrint& print) { guard([&] { printPreviewed(print); }); }, this);
    }
    PrintPreview->show();
    PrintPreview->raise();
    PrintPreview->activateWindow();
    PrintPreview->refresh();
}

void TForm1::refreshPrintPreview()
{
    if (PrintPreview)
        PrintPreview->refreshSoon();
}
