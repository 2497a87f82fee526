#include "QtDialogs.h"

#include "BackgroundWork.h"
#include "back/PictureFile.h"
#include "gfx/PictureScaling.h"
#include "gfx/SheetText.h"
#include "qtprinter/QtPrinterDevice.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QSpinBox>
#include <QTimer>

namespace
{

constexpr int PreviewSide = 160;
// How often the preview looks whether its picture has been read.
constexpr int PreviewPollMs = 20;
// How often the wait box looks whether its work is done.
constexpr int WaitPollMs = 20;
const QString WindowTitle = QStringLiteral("Talmiro Postcard Print");

// "Bitmaps (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg" is shown as the entries "Bitmaps (*.bmp)" and
// "JPEG (*.jpg)"; a description that does not end with its patterns gets them appended, as Qt
// takes the patterns from the last parentheses.
QStringList qtFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return {filter};
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString description = parts[i];
        description.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << (description.endsWith(QStringLiteral("(%1)").arg(patterns))
                        ? description
                        : QStringLiteral("%1 (%2)").arg(parts[i], patterns));
    }
    return entries;
}

QString qtSuffix(QString ext)
{
    while (ext.startsWith(QLatin1Char('*')) || ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    return ext;
}

// The preview of the highlighted file, read by the program's own reader, with its limits, no
// larger than the preview and off the user-interface thread: the dialog never waits for it. A
// newly highlighted file cancels the read of the one before; a file that cannot be read shows
// nothing.
class PicturePreview : public QLabel
{
public:
    explicit PicturePreview(QWidget* parent) : QLabel(parent)
    {
        setFixedSize(PreviewSide, PreviewSide);
        setAlignment(Qt::AlignCenter);
        setFrameShape(QFrame::StyledPanel);
        setAccessibleName(QObject::tr("Picture preview"));
        connect(&poll_, &QTimer::timeout, this, [this] { showWhenRead(); });
    }
    ~PicturePreview() override { stopReading(); }

    void showPicture(const QString& path)
    {
        stopReading();
        setPixmap(QPixmap());
        if (path.isEmpty() || !QFileInfo(path).isFile())
            return;
        job_ = std::make_shared<BackgroundJob>();
        read_ = std::make_shared<QImage>();
        startBackgroundWork(job_, [path, job = job_.get(), read = read_] {
            const Picture picture =
                readPicture(PictureRequest(path, QSize(PreviewSide, PreviewSide), &job->progress));
            *read = smoothlyScaled(picture.image, picture.trueSize.scaled(PreviewSide, PreviewSide,
                                                                          Qt::KeepAspectRatio));
        });
        poll_.start(PreviewPollMs);
    }

private:
    void showWhenRead()
    {
        if (!job_ || !job_->done)
            return;
        poll_.stop();
        if (!job_->error && !read_->isNull())
            setPixmap(QPixmap::fromImage(*read_));
        job_.reset();
        read_.reset();
    }

    void stopReading()
    {
        poll_.stop();
        if (job_)
            job_->progress.cancel = true; // it ends on its own; what it holds is shared
        job_.reset();
        read_.reset();
    }

    QTimer poll_;
    std::shared_ptr<BackgroundJob> job_;
    std::shared_ptr<QImage> read_;
};

// A small preview of the selected picture beside the file list.
void addPicturePreview(QFileDialog& dialog)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid)
        return;
    auto* preview = new PicturePreview(&dialog);
    grid->addWidget(preview, 1, grid->columnCount(), grid->rowCount() - 1, 1);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                     [preview](const QString& path) { preview->showPicture(path); });
}

enum class FileKind { Picture, Design };

// The sample takes only the height its row has, which the effects box gave it: without the box
// it keeps room for a 48-point sample (the front's font), at 96 per inch.
constexpr int SampleBoxMinimumHeight = 110;

// Face, style and size only. Qt offers no option to leave out the effects box (underline,
// strike-out), so it is hidden and the sample beside it keeps its room. The font dialog test
// fails if a Qt update changes the dialog so that this no longer holds.
void hideFontEffects(QFontDialog& dialog)
{
    QGroupBox* effects = nullptr;
    QGroupBox* sample = nullptr;
    for (QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
        if (!box->findChildren<QCheckBox*>().isEmpty())
            effects = box;
        else if (box->findChild<QLineEdit*>())
            sample = box;
    }
    if (!effects)
        return;
    if (sample)
        sample->setMinimumHeight(qMax(SampleBoxMinimumHeight, effects->sizeHint().height()));
    effects->hide();
}

// The dialog lists real families only; a face the card names may be an alias that fontconfig
// maps to another family ("Arial" to Liberation Sans), so the dialog opens on that family.
// Sizes are points, as the dialog speaks them (a pixel size counts at 96 per inch).
QFont fontAsListed(const QFont& font)
{
    QFont listed = font;
    listed.setFamilies({QFontInfo(font).family()});
    if (font.pointSize() <= 0 && font.pixelSize() > 0)
        listed.setPointSize(qMax(1, mulDiv(font.pixelSize(), 72, 96)));
    return listed;
}

// What the user changed in the dialog, over the font it was opened for: a family, style or
// size left as shown keeps the face name, style and size the card had, so OK without a change
// changes nothing. Underline and strike-out are not offered, so they stay as they were.
QFont fontAsPicked(const QFont& initial, const QFont& shown, const QFont& picked)
{
    QFont font = initial;
    if (picked.family() != shown.family())
        font.setFamilies({picked.family()});
    if (picked.weight() != shown.weight() || picked.style() != shown.style()) {
        font.setWeight(picked.weight());
        font.setStyle(picked.style());
    }
    if (picked.pointSize() != shown.pointSize())
        font.setPointSize(picked.pointSize());
    return font;
}

std::optional<QStringList> runFilesDialog(QWidget* parent, const FileDialogSettings& s,
                                          QFileDialog::AcceptMode mode, FileKind kind,
                                          QFileDialog::FileMode files)
{
    QFileDialog dialog(parent, s.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(files);
    // A picture is saved over an existing file without a question; a design is asked about.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, kind == FileKind::Picture);
    dialog.setNameFilters(qtFilters(s.filter));
    dialog.setDefaultSuffix(qtSuffix(s.defaultExt));
    dialog.setDirectory(s.initialDir.isEmpty() ? QStringLiteral(".") : s.initialDir);
    if (!s.fileName.isEmpty())
        dialog.selectFile(s.fileName);
    if (kind == FileKind::Picture)
        addPicturePreview(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles();
}

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogSettings& s,
                                     QFileDialog::AcceptMode mode,
                                     FileKind kind = FileKind::Picture)
{
    const auto files = runFilesDialog(parent, s, mode, kind,
                                      mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                                      : QFileDialog::AnyFile);
    if (!files)
        return std::nullopt;
    return files->constFirst();
}

} // namespace

std::optional<QString> QtDialogs::openPicture(const FileDialogSettings& settings)
{
    return runFileDialog(parent_, settings, QFileDialog::AcceptOpen);
}

std::optional<QStringList> QtDialogs::openPictures(const FileDialogSettings& settings)
{
    return runFilesDialog(parent_, settings, QFileDialog::AcceptOpen, FileKind::Picture,
                          QFileDialog::ExistingFiles);
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
    QFontDialog dialog(parent_);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (scalableOnly)
        dialog.setOption(QFontDialog::ScalableFonts);
    hideFontEffects(dialog);
    dialog.setCurrentFont(fontAsListed(initial));
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fontAsPicked(initial, shown, dialog.selectedFont());
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
    QMessageBox::information(parent_, WindowTitle, text);
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
    errorWithDetails(text, QString());
}

void QtDialogs::errorWithDetails(const QString& text, const QString& details)
{
    QMessageBox box(QMessageBox::Critical, WindowTitle, text, QMessageBox::Ok, parent_);
    box.setDetailedText(details);
    box.exec();
}

bool QtDialogs::waitForWork(const QString& text, const std::function<bool()>& done)
{
    QProgressDialog box(text, QObject::tr("Cancel"), 0, 0, parent_); // no range: a busy bar
    box.setWindowTitle(WindowTitle);
    box.setWindowModality(Qt::WindowModal);
    box.setAutoReset(false);
    box.setAutoClose(false);
    box.setMinimumDuration(0);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &box, [&] {
        if (done())
            box.accept();
    });
    poll.start(WaitPollMs);
    // The hourglass with an arrow: the Cancel button can still be pressed.
    QApplication::setOverrideCursor(Qt::BusyCursor);
    box.exec();
    QApplication::restoreOverrideCursor();
    return !box.wasCanceled();
}

std::optional<AddressChoice> QtDialogs::chooseAddressColumns(const AddressTable& list,
                                                             const AddressChoice& initial)
{
    QDialog dialog(parent_);
    dialog.setWindowTitle(QApplication::translate("QtDialogs", "Address List"));
    auto* grid = new QGridLayout(&dialog);
    grid->addWidget(
        new QLabel(QApplication::translate("QtDialogs",
                                           "Which columns of \"%1\" make each line of the address:")
                       .arg(QFileInfo(list.fileName).fileName())),
        0, 0, 1, AddressChoiceColumns + 1);
    std::vector<std::vector<QComboBox*>> boxes(AddressChoiceLines);
    for (int line = 0; line < AddressChoiceLines; ++line) {
        auto* label =
            new QLabel(QApplication::translate("QtDialogs", "Line &%1:").arg(line + 1), &dialog);
        grid->addWidget(label, line + 1, 0);
        for (int c = 0; c < AddressChoiceColumns; ++c) {
            auto* box = new QComboBox(&dialog);
            box->setObjectName(QStringLiteral("AddressLine%1Column%2").arg(line + 1).arg(c + 1));
            box->setAccessibleName(
                QApplication::translate("QtDialogs", "Line %1, part %2").arg(line + 1).arg(c + 1));
            box->addItem(QApplication::translate("QtDialogs", "(nothing)"), -1);
            for (int h = 0; h < list.header.size(); ++h)
                box->addItem(list.header[h].isEmpty()
                                 ? QApplication::translate("QtDialogs", "Column %1").arg(h + 1)
                                 : list.header[h],
                             h);
            const QList<int> chosen =
                line < initial.columns.lines.size() ? initial.columns.lines[line] : QList<int>();
            box->setCurrentIndex(c < chosen.size() ? chosen[c] + 1 : 0);
            if (c == 0)
                label->setBuddy(box);
            grid->addWidget(box, line + 1, c + 1);
            boxes[std::size_t(line)].push_back(box);
        }
    }
    auto* startLabel = new QLabel(QApplication::translate("QtDialogs", "&Start at card:"), &dialog);
    auto* start = new QSpinBox(&dialog);
    start->setObjectName(QStringLiteral("StartCardSpinBox"));
    start->setRange(1, initial.cardsPerSheet);
    start->setValue(std::clamp(initial.startCard, 1, initial.cardsPerSheet));
    startLabel->setBuddy(start);
    grid->addWidget(startLabel, AddressChoiceLines + 1, 0);
    grid->addWidget(start, AddressChoiceLines + 1, 1);
    auto* preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("AddressPreview"));
    preview->setFrameShape(QFrame::StyledPanel);
    preview->setMinimumHeight(6 * preview->fontMetrics().height());
    preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(preview, AddressChoiceLines + 2, 0, 1, AddressChoiceColumns + 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    grid->addWidget(buttons, AddressChoiceLines + 3, 0, 1, AddressChoiceColumns + 1);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    const auto chosen = [&boxes] {
        AddressColumns columns;
        for (const auto& line : boxes) {
            QList<int> l;
            for (const QComboBox* box : line)
                if (box->currentData().toInt() >= 0)
                    l << box->currentData().toInt();
            columns.lines << l;
        }
        return columns;
    };
    // The first address as it would print: the first record that has more than a name.
    const auto showFirst = [&] {
        const AddressColumns columns = chosen();
        QString text = QApplication::translate("QtDialogs", "(no record has an address in these "
                                                            "columns)");
        for (const QStringList& record : list.records)
            if (hasAddress(record, columns)) {
                text = addressText(record, columns);
                break;
            }
        preview->setText(text);
    };
    for (const auto& line : boxes)
        for (QComboBox* box : line)
            QObject::connect(box, &QComboBox::currentIndexChanged, &dialog, showFirst);
    showFirst();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return AddressChoice{chosen(), start->value(), initial.cardsPerSheet};
}
