// Saving the card back as a picture file.
#include "TForm1.h"
#include "WindowText.h"
#include "ui_TForm1.h"

#include "WaitCursor.h"
#include "print/SheetImageSave.h"

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
