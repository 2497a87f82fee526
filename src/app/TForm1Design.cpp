// Design files: opening, saving, the recent designs and the question about unsaved changes.
#include "TForm1.h"
#include "WindowText.h"
#include "ui_TForm1.h"

#include "BackgroundWork.h"
#include "WaitCursor.h"
#include "design/DesignPictures.h"
#include "design/RecentDesigns.h"
#include "front/FrontComposer.h"
#include "gfx/AppError.h"
#include "gfx/BmpFile.h"
#include "widgets/RadioGroup.h"
#include "widgets/UpDown.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
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

QWidget* TForm1::controlOf(const CardSetting& setting) const
{
    return findChild<QWidget*>(setting.control);
}

bool TForm1::designChanged() const
{
    return document() != savedDesign_;
}

void TForm1::connectCardControls()
{
    // Each control of the card's settings writes its value into the card as the user changes
    // it; these run before the control's own handler, which then sees the card as it now is.
    for (const CardSetting& setting : cardSettings()) {
        QWidget* w = controlOf(setting);
        if (!w)
            throw AppError(QStringLiteral("The window has no control \"%1\" for the setting "
                                          "\"%2\".")
                               .arg(setting.control, setting.key()));
        const auto changed = [this, &setting] { guard([&] { controlChanged(setting); }); };
        if (auto* memo = qobject_cast<QTextEdit*>(w)) {
            connect(memo, &QTextEdit::textChanged, this, changed);
            // The card's undo, not the memo's own, takes back typing.
            memo->setUndoRedoEnabled(false);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            connect(edit, &QLineEdit::textChanged, this, changed);
        } else if (auto* group = qobject_cast<RadioGroup*>(w)) {
            connect(group, &RadioGroup::changed, this, changed);
        } else if (auto* upDown = qobject_cast<UpDown*>(w)) {
            connect(upDown, &UpDown::positionChanged, this, changed);
        } else if (auto* box = qobject_cast<QAbstractButton*>(w)) {
            connect(box, &QAbstractButton::toggled, this, changed);
        }
    }
}

void TForm1::controlChanged(const CardSetting& setting)
{
    if (showingCard_)
        return;
    CardDocument card = document();
    setting.set(card, controlValue(controlOf(setting)));
    const QString name = QCoreApplication::translate("CardSettings", setting.label);
    if (setting.kind == SettingKind::Text) {
        // Typing in one field is one step until it pauses or another field is changed.
        const auto index = int(&setting - cardSettings().data());
        history_.change(card, tr("Typing in %1").arg(name), index);
        typingPause_.start();
        // The front follows typing after a short pause, as it follows the spinners.
        if (setting.control == QLatin1String("FrontMemo"))
            FrontImageTimer.start();
    } else {
        history_.change(card, name);
        if (setting.kind == SettingKind::Number && setting.section == QLatin1String("front"))
            FrontImageTimer.start();
    }
}

void TForm1::commit(const CardDocument& card, const QString& what)
{
    history_.change(card, what);
    showCard();
}

void TForm1::showCard()
{
    const bool was = showingCard_;
    showingCard_ = true;
    const auto done = qScopeGuard([this, was] { showingCard_ = was; });
    const CardDocument card = document();
    // The pictures are in place before the controls change, so that the handlers the changes
    // run (the layout refreshes the front) see the card's own.
    createCornerImage();
    OpenPictureDialog1.fileName = card.corner ? card.corner->fileName : QString();
    FrontOpenPictureDialog.fileName = card.front ? card.front->fileName : QString();
    for (const CardSetting& setting : cardSettings())
        if (QWidget* w = controlOf(setting); controlValue(w) != setting.get(card))
            setControl(w, setting.get(card));
}

void TForm1::cardRestored()
{
    typingPause_.stop();
    showCard();
    if (!document().hasFrontPicture()) {
        FrontSheetImage = QImage();
        showFrontPreview();
    }
    FrontImageRefresh(this);
    DrawPostCardBack(this, 1, 0, 0);
}

void TForm1::createEditMenu()
{
    EditMenu = new QMenu(tr("&Edit"), this);
    EditMenu->setObjectName(QStringLiteral("EditMenu"));
    menuBar()->insertMenu(ui.PrintMenu->menuAction(), EditMenu);
    UndoItem = history_.stack().createUndoAction(this, tr("Undo"));
    UndoItem->setObjectName(QStringLiteral("UndoItem"));
    UndoItem->setShortcuts(QKeySequence::Undo);
    UndoItem->setProperty("hint", tr("Takes back the last change of the card."));
    RedoItem = history_.stack().createRedoAction(this, tr("Redo"));
    RedoItem->setObjectName(QStringLiteral("RedoItem"));
    RedoItem->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    RedoItem->setProperty("hint", tr("Makes again the change last taken back."));
    EditMenu->addAction(UndoItem);
    EditMenu->addAction(RedoItem);
    // The stack's own actions undo at once; ours run inside the guard, as every handler does.
    for (QAction* item : {UndoItem, RedoItem})
        disconnect(item, &QAction::triggered, nullptr, nullptr);
    connect(UndoItem, &QAction::triggered, this,
            [this] { guard([this] { UndoItemClick(UndoItem); }); });
    connect(RedoItem, &QAction::triggered, this,
            [this] { guard([this] { RedoItemClick(RedoItem); }); });
    connect(&history_, &CardHistory::restored, this, [this] { guard([this] { cardRestored(); }); });
    connect(EditMenu, &QMenu::hovered, this,
            [this](QAction* action) { onHint(action->property("hint").toString()); });
    typingPause_.setInterval(1000);
    typingPause_.setSingleShot(true);
    connect(&typingPause_, &QTimer::timeout, this, [this] { history_.closeStep(); });
}

void TForm1::UndoItemClick(QObject*)
{
    history_.undo();
}

void TForm1::RedoItemClick(QObject*)
{
    history_.redo();
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
    const CardDocument design = document();
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
    // Read and decoded off the window's thread, as a picture file is: a large photo inside
    // keeps the window painting and, after half a second, offers Cancel, which changes nothing.
    const QString text = tr("Opening the design \"%1\"...").arg(fileName);
    std::optional<CardDocument> opened =
        runInBackground(dialogs(), text,
                        [fileName, defaults = defaultCardDocument(),
                         turnedFile = workFile(TurnedWorkFile)](BackgroundJob& job) {
                            CardDocument card = loadDesignFile(fileName, defaults);
                            decodeDesignPictures(card, fileName, &job.progress);
                            if (card.front && card.front->turned)
                                writeBmpFile(card.front->image, turnedFile);
                            return card;
                        });
    if (!opened)
        return;

    // Everything is read: from here on nothing fails. A design opened begins a new history.
    if (ui.ContinueButton->isEnabled())
        enterWorkingState();
    history_.reset(*opened);
    if (!opened->front)
        FrontSheetImage = QImage();
    showCard();
    if (!opened->front) {
        prepareFrontPreview();
        showFrontPreview();
    }
    FrontImageRefresh(this);
    DrawPostCardBack(this, 1, 0, 0);
    DesignFile = fileName;
    DesignDialog.fileName = fileName;
    savedDesign_ = document();
    rememberRecentDesign(recentDesignsFile(), fileName);
    showDesignName();
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
