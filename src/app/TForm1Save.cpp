// Saving the card back as a picture file.
#include "TForm1.h"
#include "WindowText.h"
#include "ui_TForm1.h"

#include "WaitCursor.h"
#include "document/CardRender.h"
#include "print/SheetImageSave.h"
#include "qtprinter/QtPrinterDevice.h"

#include <QDir>
#include <QStandardPaths>

namespace
{

const WindowText BitmapTitle{
    QT_TRANSLATE_NOOP("TForm1", "File name to save sheet of postcard backs, as a bitmap.")};
const WindowText BitmapFilter{QT_TRANSLATE_NOOP("TForm1", "Bitmaps (*.bmp)|*.bmp")};
const QString BitmapExt = QStringLiteral("*.bmp");
const WindowText JpegTitle{
    QT_TRANSLATE_NOOP("TForm1", "File name to save sheet of postcard backs, as a jpg.")};
const WindowText JpegFilter{QT_TRANSLATE_NOOP("TForm1", "Jpg (*.jpg)|*.jpg")};
const QString JpegExt = QStringLiteral("*.jpg");
const WindowText ExportPdfTitle{QT_TRANSLATE_NOOP("TForm1", "Export PDF for a print shop")};
const WindowText PdfFilter{QT_TRANSLATE_NOOP("TForm1", "PDF files (*.pdf)|*.pdf")};
const WindowText BleedQuestion{QT_TRANSLATE_NOOP(
    "TForm1", "Add a bleed of 1/8 inch (3 mm), the front picture reaching past the card's edges, "
              "and crop marks where the card is cut?")};
const WindowText PdfSavedMessage{QT_TRANSLATE_NOOP(
    "TForm1", "The card was saved as the PDF file \"%1\", one card a page at its real size.")};
const WindowText NoNameMessage{
    QT_TRANSLATE_NOOP("TForm1", "Image not saved. No name entered for image.")};

} // namespace

void TForm1::SaveSheetImageBestItemClick(QObject* Sender)
{
    // The dialog keeps the settings of the last command; any other sender saves a bitmap with
    // whatever the dialog holds.
    FileDialogSettings& dialog = BitMapSavePictureDialog;
    if (Sender == ui.SaveImageAsItem) {
        dialog.title = BitmapTitle;
        dialog.filter = BitmapFilter;
        dialog.defaultExt = BitmapExt;
    } else if (Sender == ui.SaveAsJpgItem) {
        dialog.title = JpegTitle;
        dialog.filter = JpegFilter;
        dialog.defaultExt = JpegExt;
    }
    const SheetImageFormat format =
        Sender == ui.SaveAsJpgItem ? SheetImageFormat::Jpeg : SheetImageFormat::Bitmap;

    const std::optional<QString> name = dialogs().savePicture(dialog);
    if (!name || name->isEmpty()) {
        dialogs().message(NoNameMessage);
        return;
    }

    WaitCursor wait;
    saveSheetImage(BackSheetImage, format, *name);
}

void TForm1::ExportPdfItemClick(QObject*)
{
    // The side shown, or both from the pages that show neither.
    const QWidget* shown = ui.PageControl1->currentWidget();
    const PrintSide side = shown == ui.FrontTabSheet ? PrintSide::Fronts
                           : shown == ui.StandardTabSheet || shown == ui.TextTabSheet
                               ? PrintSide::Backs
                               : PrintSide::Both;
    const FileDialogSettings dialog{
        ExportPdfTitle, PdfFilter, QStringLiteral(".pdf"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QString()};
    const std::optional<QString> name = dialogs().saveFile(dialog);
    if (!name || name->isEmpty())
        return;
    const bool forCutting = dialogs().question(ExportPdfTitle, BleedQuestion);
    {
        WaitCursor wait;
        // Drawn as the card prints on the chosen printer: the same margins inside the card.
        savePdfPages(*name,
                     printShopPages(document(), side, ReadPrinterMetrics(printer()),
                                    {forCutting, forCutting}),
                     PrintShopDpi);
    }
    dialogs().message(PdfSavedMessage.arg(QDir::toNativeSeparators(*name)));
}
