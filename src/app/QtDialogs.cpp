#include "QtDialogs.h"

#include "qtprinter/QtPrinterDevice.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>

namespace
{

constexpr int PreviewSide = 160;

// "Bitmaps (*.bmp)|*.bmp" is shown as "Bitmaps (*.bmp)"; a description that does not end with
// its patterns gets them appended, as Qt takes the patterns from the last parentheses.
QString qtFilter(const QString& filter)
{
    const int bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    QString patterns = filter.mid(bar + 1);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    QString description = filter.left(bar);
    description.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (description.endsWith(QStringLiteral("(%1)").arg(patterns)))
        return description;
    return QStringLiteral("%1 (%2)").arg(filter.left(bar), patterns);
}

QString qtSuffix(QString ext)
{
    while (ext.startsWith(QLatin1Char('*')) || ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    return ext;
}

// A small preview of the selected picture beside the file list.
void addPicturePreview(QFileDialog& dialog)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid)
        return;
    auto* preview = new QLabel(&dialog);
    preview->setFixedSize(PreviewSide, PreviewSide);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    preview->setAccessibleName(QObject::tr("Picture preview"));
    grid->addWidget(preview, 1, grid->columnCount(), grid->rowCount() - 1, 1);
    QObject::connect(
        &dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
            QImageReader reader(path);
            reader.setAutoTransform(false);
            const QSize size = reader.size();
            if (size.isValid() && size.width() > 0 && size.height() > 0)
                reader.setScaledSize(size.scaled(PreviewSide, PreviewSide, Qt::KeepAspectRatio));
            const QImage image = reader.read();
            preview->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
        });
}

enum class FileKind { Picture, Design };

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogSettings& s,
                                     QFileDialog::AcceptMode mode,
                                     FileKind kind = FileKind::Picture)
{
    QFileDialog dialog(parent, s.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // A picture is saved over an existing file without a question; a design is asked about.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, kind == FileKind::Picture);
    dialog.setNameFilter(qtFilter(s.filter));
    dialog.setDefaultSuffix(qtSuffix(s.defaultExt));
    dialog.setDirectory(s.initialDir.isEmpty() ? QStringLiteral(".") : s.initialDir);
    if (!s.fileName.isEmpty())
        dialog.selectFile(s.fileName);
    if (kind == FileKind::Picture)
        addPicturePreview(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtDialogs::openPicture(const FileDialogSettings& settings)
{
    return runFileDialog(parent_, settings, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::savePicture(const FileDialogSettings& settings)
{
    return runFileDialog(parent_, settings, QFileDialog::AcceptSave);
}

std::optional<QString> QtDialogs::openFile(const FileDialogSettings& settings)
{
    return runFileDialog(parent_, settings, QFileDialog::AcceptOpen, FileKind::Design);
}

std::optional<QString> QtDialogs::saveFile(const FileDialogSettings& settings)
{
    return runFileDialog(parent_, settings, QFileDialog::AcceptSave, FileKind::Design);
}

std::optional<QFont> QtDialogs::chooseFont(const QFont& initial, bool scalableOnly)
{
    QFontDialog dialog(initial, parent_);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (scalableOnly)
        dialog.setOption(QFontDialog::ScalableFonts);
    // Face, style and size only: the effects box (underline, strike-out) is not offered.
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>())
        if (!box->findChildren<QCheckBox*>().isEmpty())
            box->hide();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QFont font = dialog.selectedFont();
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial)
{
    const QColor colour = QColorDialog::getColor(initial, parent_);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

bool QtDialogs::printerSetup()
{
    printer_.prepareSetupDialog();
    QPrintDialog dialog(&printer_.printer(), parent_);
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    printer_.adoptSetupDialog();
    return confirmed;
}

void QtDialogs::message(const QString& text)
{
    QMessageBox::information(parent_, QStringLiteral("Talmiro Postcard Print"), text);
}

bool QtDialogs::question(const QString& title, const QString& text)
{
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

DialogAnswer QtDialogs::yesNoCancel(const QString& title, const QString& text)
{
    switch (QMessageBox::question(parent_, title, text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return DialogAnswer::Yes;
    case QMessageBox::No:
        return DialogAnswer::No;
    default:
        return DialogAnswer::Cancel;
    }
}

void QtDialogs::error(const QString& text)
{
    QMessageBox::critical(parent_, QStringLiteral("Talmiro Postcard Print"), text);
}
