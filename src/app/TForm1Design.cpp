// Design files: opening, saving, the recent designs and the question about unsaved changes.
#include "TForm1.h"
#include "WindowText.h"
#include "ui_TForm1.h"

#include "BackgroundWork.h"
#include "WaitCursor.h"
#include "back/CornerImage.h"
#include "design/DesignPictures.h"
#include "design/RecentDesigns.h"
#include "front/FrontComposer.h"
#include "gfx/AppError.h"
#include "widgets/RadioGroup.h"
#include "widgets/UpDown.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>

namespace
{

const QString ProgramName = QStringLiteral("Talmiro Postcard Print");
const WindowText OpenTitle{QT_TRANSLATE_NOOP("TForm1", "Open Design")};
const WindowText SaveAsTitle{QT_TRANSLATE_NOOP("TForm1", "Save Design As")};
const WindowText UnsavedBeforeOpenText{QT_TRANSLATE_NOOP(
    "TForm1", "The design has changes that are not saved. Save them before another design "
              "is opened?")};
const WindowText CornerRole{QT_TRANSLATE_NOOP("TForm1", "the lower left corner")};
const WindowText FrontRole{QT_TRANSLATE_NOOP("TForm1", "the postcard front")};

SettingValue controlValue(const QWidget* w)
{
    if (const auto* memo = qobject_cast<const QTextEdit*>(w)) {
        // As typed: the plain text would turn no-break spaces into spaces, which wrap.
        QString text = memo->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (const auto* group = qobject_cast<const RadioGroup*>(w))
        return group->itemIndex();
    if (const auto* upDown = qobject_cast<const UpDown*>(w))
        return upDown->position();
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->currentIndex();
    if (const auto* spin = qobject_cast<const QSpinBox*>(w))
        return spin->value();
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->isChecked();
    throw AppError(
        QStringLiteral("The control \"%1\" cannot be kept in a design.").arg(w->objectName()));
}

// Sets a control as the user would, so that its handler runs when the value changes.
void setControl(QWidget* w, const SettingValue& value)
{
    if (auto* memo = qobject_cast<QTextEdit*>(w))
        memo->setPlainText(std::get<QString>(value));
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(std::get<QString>(value));
    else if (auto* group = qobject_cast<RadioGroup*>(w))
        group->setItemIndex(std::get<int>(value));
    else if (auto* upDown = qobject_cast<UpDown*>(w))
        upDown->setPosition(std::get<int>(value));
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setCurrentIndex(std::get<int>(value));
    else if (auto* spin = qobject_cast<QSpinBox*>(w))
        spin->setValue(std::get<int>(value));
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setChecked(std::get<bool>(value));
}

} // namespace

std::vector<std::pair<QString, QWidget*>> TForm1::designBindings() const
{
    return {
        {QStringLiteral("back.title"), ui.TitleMemo},
        {QStringLiteral("back.description"), ui.DescMemo},
        {QStringLiteral("back.verticalText"), ui.CreatedByMemo},
        {QStringLiteral("back.stamp"), ui.StampMemo},
        {QStringLiteral("back.lowerLeftText"), ui.LowerLeftTextMemo},
        {QStringLiteral("back.address"), ui.AddressMemo},
        {QStringLiteral("back.postalBarCodeText"), ui.PostalBarCodeEdit},
        {QStringLiteral("back.postCardText"), ui.PostCardEdit},
        {QStringLiteral("back.addressLines"), ui.AddressLinesRadioGroup},
        {QStringLiteral("back.addressSeparator"), ui.AddressSeperatorRadioGroup},
        {QStringLiteral("back.stampBorder"), ui.StampBorderRadioGroup},
        {QStringLiteral("back.postalBarCodeBox"), ui.PostalBarCodeBoxRadioGroup},
        {QStringLiteral("back.lowerLeftCorner"), ui.LowerLeftCornerRadioGroup},
        {QStringLiteral("back.postCard"), ui.PostCardRadioGroup},
        {QStringLiteral("textSetup.title"), ui.TitleCheckBox},
        {QStringLiteral("textSetup.descriptive"), ui.DescriptiveCheckBox},
        {QStringLiteral("textSetup.lowerLeftText"), ui.LowerLeftTextCheckBox},
        {QStringLiteral("textSetup.addressSeparator"), ui.AddressVerticalTextCheckBox},
        {QStringLiteral("textSetup.stampBorder"), ui.StampBorderTextCheckBox},
        {QStringLiteral("textSetup.postCard"), ui.PostCardCheckBox},
        {QStringLiteral("textSetup.addressLines"), ui.AddressLinesCheckBox},
        {QStringLiteral("textSetup.postalBarCode"), ui.PostalBarCodeCheckBox},
        {QStringLiteral("front.text"), ui.FrontMemo},
        {QStringLiteral("front.size"), ui.ImageSizeUpDown},
        {QStringLiteral("front.horizontalOffset"), ui.ImageHOffsetUpDown},
        {QStringLiteral("front.verticalOffset"), ui.ImageVOffsetUpDown},
        {QStringLiteral("front.picker"), ui.FrontTextAtRadioGroup},
        {QStringLiteral("print.layout"), ui.TypeOfDeckRadioGroup},
        {QStringLiteral("print.copies"), ui.CopiesUpDown},
        {QStringLiteral("print.imageAdjust"), ui.PrintImageAdjustUpDown},
        {QStringLiteral("print.imageAdjustDown"), ui.PrintImageVAdjustUpDown},
        {QStringLiteral("print.turn"), ui.SheetTurnRadioGroup},
    };
}

CardDesign TForm1::currentDesign() const
{
    CardDesign design;
    for (const auto& [key, control] : designBindings())
        design.controls[key] = controlValue(control);
    design.styles = AreaStyleTable;
    // A picture is kept with the bytes it was read from; one without them was never chosen.
    if (!CornerImageFile.isEmpty() && !CornerImageBytes.isEmpty())
        design.corner = DesignPicture{CornerImageBytes, CornerImageFile};
    if (!FrontPictureFile.isEmpty() && !FrontPictureBytes.isEmpty() && !FrontPicture.isNull())
        design.front = DesignPicture{FrontPictureBytes, FrontPictureFile};
    design.frontFont = FrontFont;
    design.frontTextColour = FrontTextColour;
    design.frontTextX = FrontTextX;
    design.frontTextY = FrontTextY;
    design.frontTextPicked = FrontTextPicked;
    return design;
}

bool TForm1::designChanged() const
{
    return currentDesign() != savedDesign_;
}

void TForm1::OpenDesignItemClick(QObject*)
{
    if (!offerToSaveChanges(OpenTitle, UnsavedBeforeOpenText))
        return;
    DesignDialog.title = OpenTitle;
    const std::optional<QString> chosen = dialogs().openFile(DesignDialog);
    if (!chosen)
        return;
    DesignDialog.fileName = *chosen;
    openDesignFile(*chosen);
}

void TForm1::SaveDesignItemClick(QObject*)
{
    saveDesign(false);
}

void TForm1::SaveDesignAsItemClick(QObject*)
{
    saveDesign(true);
}

void TForm1::RecentDesignItemClick(QObject* Sender)
{
    const auto* action = qobject_cast<QAction*>(Sender);
    if (!action)
        return;
    const QString fileName = action->data().toString();
    if (!offerToSaveChanges(OpenTitle, UnsavedBeforeOpenText))
        return;
    if (!QFileInfo::exists(fileName)) {
        forgetRecentDesign(recentDesignsFile(), fileName);
        refreshRecentDesigns();
    }
    openDesignFile(fileName);
}

bool TForm1::offerToSaveChanges(const QString& title, const QString& text)
{
    if (!designChanged())
        return true;
    switch (dialogs().yesNoCancel(title, text)) {
    case DialogAnswer::Yes:
        return saveDesign(false);
    case DialogAnswer::No:
        return true;
    case DialogAnswer::Cancel:
        break;
    }
    return false;
}

bool TForm1::saveDesign(bool askName)
{
    QString fileName = DesignFile;
    if (askName || fileName.isEmpty()) {
        DesignDialog.title = SaveAsTitle;
        const std::optional<QString> chosen = dialogs().saveFile(DesignDialog);
        if (!chosen || chosen->isEmpty())
            return false;
        fileName = *chosen;
        DesignDialog.fileName = fileName;
    }
    const CardDesign design = currentDesign();
    {
        const WaitCursor wait;
        saveDesignFile(design, fileName);
    }
    savedDesign_ = design;
    DesignFile = fileName;
    rememberRecentDesign(recentDesignsFile(), fileName);
    showDesignName();
    return true;
}

void TForm1::openDesignFile(const QString& fileName)
{
    struct OpenedDesign {
        CardDesign design;
        LoadedPicture corner;
        LoadedPicture front;
    };
    // Read and decoded off the window's thread, as a picture file is: a large photo inside
    // keeps the window painting and, after half a second, offers Cancel, which changes nothing.
    const QString text = tr("Opening the design \"%1\"...").arg(fileName);
    std::optional<OpenedDesign> opened = runInBackground(
        dialogs(), text,
        [fileName, defaults = defaultDesign_,
         turnedFile = workFile(TurnedWorkFile)](BackgroundJob& job) {
            OpenedDesign o{loadDesignFile(fileName, defaults), {}, {}};
            // Each picture read at the size its use needs, as when it is opened from its file.
            if (o.design.corner) {
                Picture read =
                    decodeDesignPicture(*o.design.corner, fileName, CornerRole,
                                        QSize(CornerBoxSide, CornerBoxSide), &job.progress);
                o.corner = {std::move(read.image), read.trueSize, false};
            }
            if (o.design.front) {
                Picture read = decodeDesignPicture(*o.design.front, fileName, FrontRole,
                                                   FrontPictureBox, &job.progress);
                o.front = {std::move(read.image), read.trueSize, false};
                turnTallFront(o.front, turnedFile);
            }
            return o;
        });
    if (!opened)
        return;
    const CardDesign& design = opened->design;

    // Everything is read: from here on nothing fails.
    applyDesign(design, opened->corner, opened->front);
    DesignFile = fileName;
    DesignDialog.fileName = fileName;
    savedDesign_ = currentDesign();
    rememberRecentDesign(recentDesignsFile(), fileName);
    showDesignName();
}

void TForm1::applyDesign(const CardDesign& design, const LoadedPicture& corner,
                         const LoadedPicture& front)
{
    openingDesign_ = true;
    const auto done = qScopeGuard([this] { openingDesign_ = false; });
    if (ui.ContinueButton->isEnabled())
        enterWorkingState();

    AreaStyleTable = design.styles;
    if (design.corner) {
        CornerImage = corner.image;
        CornerImageSize = corner.size;
        CornerImageFile = design.corner->fileName;
        CornerImageBytes = design.corner->bytes;
        drawCornerPreview(ui.PostCardBackImage->canvas(), CornerImage, CornerImageSize,
                          CornerPreviewFill);
        ui.PostCardBackImage->update();
    } else {
        CornerImageFile.clear();
        CornerImageBytes.clear();
        createCornerImage();
    }
    OpenPictureDialog1.fileName = CornerImageFile;

    if (design.front) {
        FrontPictureFile = design.front->fileName;
        FrontPictureBytes = design.front->bytes;
        FrontPicture = front.image;
        FrontPictureSize = front.size;
        FrontPictureTurned = front.turned;
    } else {
        FrontPictureFile.clear();
        FrontPictureBytes.clear();
        FrontPicture = QImage();
        FrontPictureSize = QSize();
        FrontPictureTurned = false;
        FrontSheetImage = QImage();
        prepareFrontPreview();
    }
    FrontOpenPictureDialog.fileName = FrontPictureFile;
    FrontFont = design.frontFont;
    FrontTextColour = design.frontTextColour;
    FrontTextX = design.frontTextX;
    FrontTextY = design.frontTextY;
    FrontTextPicked = design.frontTextPicked;

    // The pictures are in place before the controls change, so that the handlers the changes
    // run (the layout refreshes the front) see the design's own.
    for (const auto& [key, control] : designBindings())
        setControl(control, design.controls.at(key));

    FrontImageRefresh(this);
    DrawPostCardBack(this, 1, 0, 0);
}

void TForm1::showDesignName()
{
    setWindowTitle(DesignFile.isEmpty() ? ProgramName
                                        : QStringLiteral("%1 - %2").arg(
                                              QFileInfo(DesignFile).fileName(), ProgramName));
}

void TForm1::refreshRecentDesigns()
{
    const QStringList recent = readRecentDesigns(recentDesignsFile());
    QAction* const items[] = {ui.RecentDesign1, ui.RecentDesign2, ui.RecentDesign3,
                              ui.RecentDesign4};
    static_assert(std::size(items) == RecentDesignCount);
    for (int i = 0; i < RecentDesignCount; ++i) {
        QAction* item = items[i];
        const bool used = i < recent.size();
        item->setVisible(used);
        if (!used)
            continue;
        const QString path = recent[i];
        item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        item->setData(path);
        item->setProperty("hint",
                          tr("Open the design saved in %1.").arg(QDir::toNativeSeparators(path)));
    }
}
