#include "TForm1.h"
#include "WindowText.h"
#include "ui_TForm1.h"

#include "BackgroundWork.h"
#include "WindowStyle.h"
#include "app/ProgramVersion.h"
#include "back/CardBack.h"
#include "back/PictureFile.h"
#include "gfx/AppError.h"
#include "print/PrinterDevice.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace
{

const WindowText PrintBacksHint{
    QT_TRANSLATE_NOOP("TForm1", "Will print the page of postcard backs to selected printer.")};
const WindowText PrintFrontsHint{
    QT_TRANSLATE_NOOP("TForm1", "Will print the page of postcard fronts to selected printer.")};
const WindowText PrintBacksToPdfHint{QT_TRANSLATE_NOOP(
    "TForm1", "No printer is installed: will save the page of postcard backs as a PDF file "
              "in the folder \"%1\".")};
const WindowText PrintFrontsToPdfHint{QT_TRANSLATE_NOOP(
    "TForm1", "No printer is installed: will save the page of postcard fronts as a PDF file "
              "in the folder \"%1\".")};
const WindowText NoPrinterNotice{
    QT_TRANSLATE_NOOP("TForm1", "No printer installed: Print saves a PDF file in %1")};
const WindowText MakersNotice{
    QT_TRANSLATE_NOOP("TForm1", "Talmiro Inc. - postcards from your own printer")};
constexpr int MakersNoticeWidth = 400;
// The status bar's place and height under the pages, in the central area's coordinates.
constexpr int StatusBarTop = 481;
constexpr int StatusBarHeight = 21;
// Fonts the window table gives in pixels: the layout description speaks only points.
void setPixelFont(QWidget* w, const QString& face, int pixels)
{
    QFont f(face);
    f.setPixelSize(pixels);
    w->setFont(f);
}

} // namespace

void initTalmiroResources()
{
    Q_INIT_RESOURCE(resources);
}

QString defaultWorkFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        .filePath(QStringLiteral("Talmiro Inc"));
}

const QString TForm1::PageWorkFile = QStringLiteral("~~page.bmp");
const QString TForm1::TurnedWorkFile = QStringLiteral("~~a.bmp");

QString TForm1::workFile(const QString& name) const
{
    QDir().mkpath(WorkFolder); // when it cannot be made, the write that follows says why
    return QDir(WorkFolder).filePath(name);
}

TForm1::TForm1(Dialogs& dialogs, PrinterDevice& printer, QWidget* parent)
    : QMainWindow(parent), form_(std::make_unique<Ui::TForm1>()), ui(*form_), dialogs_(dialogs),
      printer_(printer)
{
    initTalmiroResources();
    installWindowStyle();
    ui.setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    applyControlFonts();
    loadBuiltInPictures();
    // Labels take the size of their captions (one text line high), but "Print Image Adj",
    // which has a fixed one.
    for (QLabel* label : ui.centralwidget->findChildren<QLabel*>())
        if (label != ui.Label3 && !label->wordWrap())
            label->resize(label->sizeHint().width(), label->fontMetrics().height());

    StatusBar1Panel1 = new QLabel(MakersNotice, ui.StatusBar1);
    StatusBar1Panel1->setObjectName(QStringLiteral("StatusBar1Panel1"));
    StatusBar1Panel1->setAlignment(Qt::AlignCenter);
    StatusBar1Panel1->setFixedWidth(MakersNoticeWidth);
    auto* version =
        new QLabel(tr("Version %1 %2").arg(ProgramVersion, ProgramReleaseDate), ui.StatusBar1);
    version->setObjectName(QStringLiteral("StatusBar1Panel2"));
    version->setAlignment(Qt::AlignCenter);
    ui.StatusBar1->addWidget(StatusBar1Panel1);
    ui.StatusBar1->addWidget(version, 1);
    ui.StatusBar1->setFixedHeight(StatusBarHeight);
    resize(width(), menuBar()->sizeHint().height() + StatusBarTop + StatusBarHeight);

    ImagePopupMenu = new QMenu(this);
    ImagePopupMenu->setObjectName(QStringLiteral("ImagePopupMenu"));
    ImagePopupMenu->addAction(ui.OpenImage1);
    ImagePopupMenu->addAction(ui.DeleteImage);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(ui.OpenPopup);
    PopupMenu1->addAction(ui.DeletePopup);
    for (QWidget* w :
         {static_cast<QWidget*>(ui.PostCardBackImage), static_cast<QWidget*>(ui.StatusBar1)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& pos) { ImagePopupMenu->popup(w->mapToGlobal(pos)); });
    }

    // Both open dialogs list exactly what the reader reads.
    OpenPictureDialog1 = {QString(), readablePictureFilter(), QStringLiteral(".bmp"),
                          QStringLiteral("."), QString()};
    FrontOpenPictureDialog = {tr("Open an image for Front of PostCard"), readablePictureFilter(),
                              QStringLiteral("*.bmp"), QStringLiteral("."), QString()};
    DesignDialog = {QString(), tr("Postcard Designs (*.%1)|*.%1").arg(DesignSuffix),
                    QLatin1Char('.') + DesignSuffix,
                    QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QString()};
    BitMapSavePictureDialog = {tr("Save PostCard Back as BitMap"), tr("Bitmaps (*.bmp)|*.bmp"),
                               QStringLiteral(".bmp"), QStringLiteral("."), QString()};
    FrontImageTimer.setInterval(500);
    FrontImageTimer.setSingleShot(true);

    for (QTextEdit* memo : findChildren<QTextEdit*>()) {
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setTabChangesFocus(true);
    }
    for (QTextEdit* memo : {ui.TitleMemo, ui.CreatedByMemo, ui.StampMemo}) {
        QTextOption option = memo->document()->defaultTextOption();
        option.setAlignment(Qt::AlignHCenter);
        memo->document()->setDefaultTextOption(option);
    }
    // Screen readers describe each control by its hint.
    for (QWidget* w : findChildren<QWidget*>()) {
        const QString hint = w->property("hint").toString();
        if (!hint.isEmpty())
            w->setAccessibleDescription(hint);
    }
    ui.CopiesUpDown->setAssociate(ui.CopiesEdit);
    ui.PrintImageAdjustUpDown->setAssociate(ui.PrintImageAdjustEdit);
    ui.PrintImageVAdjustUpDown->setAssociate(ui.PrintImageVAdjustEdit);
    ui.ImageSizeUpDown->setAssociate(ui.ImageSizeEdit);
    ui.ImageHOffsetUpDown->setAssociate(ui.ImageHOffsetEdit);
    ui.ImageVOffsetUpDown->setAssociate(ui.ImageVOffsetEdit);

    connectHandlers();
    createAddressControls();
    createPrintPreviewCommand();
    createOtherPaperCommand();
    createPhotoControls();
    connectPictureDrops();
    bindPrintQuality();
    FormCreate();
    // The controls show the new card; before a first save it counts as no change.
    showCard();
    savedDesign_ = document();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    // Work the user stopped waiting for ends before what it may use goes.
    stopBackgroundWork();
    removeWorkFiles();
}

void TForm1::removeWorkFiles() const
{
    if (!WorkFolder.isEmpty())
        for (const QString& name : {PageWorkFile, TurnedWorkFile})
            QFile::remove(QDir(WorkFolder).filePath(name));
}

void TForm1::applyControlFonts()
{
    setFont(windowFont());
    // The memos whose lines the card draws show them in the fonts the card wraps them in.
    ui.TitleMemo->setFont(cardTextBox(CardText::Title).font);
    ui.DescMemo->setFont(cardTextBox(CardText::Description).font);
    ui.CreatedByMemo->setFont(cardTextBox(CardText::VerticalText).font);
    ui.StampMemo->setFont(cardTextBox(CardText::Stamp).font);
    setPixelFont(ui.PostalBarCodeEdit, QStringLiteral("Arial"), 8);
    const QString times = QStringLiteral("Times New Roman");
    setPixelFont(ui.Memo3, times, 13);
    setPixelFont(ui.Memo2, QStringLiteral("MS Sans Serif"), 11);
}

void TForm1::loadBuiltInPictures()
{
    const std::pair<ImageBox*, const char*> pictures[] = {
        {ui.ppImage, ":/pictures/ppImage.bmp"}, {ui.llImage, ":/pictures/llImage.bmp"},
        {ui.slImage, ":/pictures/slImage.bmp"}, {ui.FourupImage, ":/pictures/FourupImage.bmp"},
        {ui.Image1, ":/pictures/Image1.bmp"},
    };
    for (const auto& [box, path] : pictures)
        box->setCanvas(QImage(QString::fromLatin1(path)));
    ui.Image2->ensureCanvas(BackPreviewSize.width(), BackPreviewSize.height());
    ui.AboutSampleImage->ensureCanvas(BackPreviewSize.width(), BackPreviewSize.height());
    ui.LayoutImage->ensureCanvas(112, 112, palette().color(QPalette::Button));
    ui.PostCardBackImage->ensureCanvas(116, 116);
}

void TForm1::guard(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const PictureCancelled&) {
        // The user stopped waiting for a picture: nothing to say.
    } catch (const AppError& e) {
        dialogs_.errorWithDetails(e.text(), e.details());
    } catch (const std::bad_alloc&) {
        dialogs_.error(tr("Out of memory."));
    } catch (const std::exception& e) {
        dialogs_.error(QString::fromLocal8Bit(e.what()));
    }
}

void TForm1::connectHandlers()
{
    // Every handler runs inside the guard: nothing throws through the event loop.
    auto on = [this](auto* sender, auto signal, auto handler) {
        connect(sender, signal, this,
                [this, sender, handler](auto&&...) { guard([&] { (this->*handler)(sender); }); });
    };
    on(ui.ContinueButton, &QPushButton::clicked, &TForm1::ContinueButtonClick);
    on(ui.ExitButton, &QPushButton::clicked, &TForm1::ExitButtonClick);
    on(ui.ExitAboutButton, &QPushButton::clicked, &TForm1::ExitAboutButtonClick);
    on(ui.ExitItem, &QAction::triggered, &TForm1::ExitItemClick);
    // The card's controls first: each handler of theirs then sees the card as it now is.
    connectCardControls();
    createEditMenu();
    connect(ui.PageControl1, &QTabWidget::currentChanged, this, [this] {
        // Print prints fronts exactly when the front page shows, whoever selected the page.
        showPrintHint();
        if (!programmaticPage_)
            guard([this] { PageControl1Change(ui.PageControl1); });
    });
    connect(ui.PageControl2, &QTabWidget::currentChanged, this, [this] {
        if (!programmaticPage_)
            guard([this] { PageControl2Change(ui.PageControl2); });
    });

    on(ui.FontButton, &QPushButton::clicked, &TForm1::FontButtonClick);
    on(ui.ColorButton, &QPushButton::clicked, &TForm1::ColorButtonClick);
    on(ui.UnSelectAllButton, &QPushButton::clicked, &TForm1::UnSelectAllButtonClick);
    on(ui.AddressLinesRadioGroup, &RadioGroup::changed, &TForm1::AddressLinesRadioGroupClick);
    on(ui.AddressSeperatorRadioGroup, &RadioGroup::changed,
       &TForm1::AddressSeperatorRadioGroupClick);
    on(ui.PostalBarCodeBoxRadioGroup, &RadioGroup::changed,
       &TForm1::PostalBarCodeBoxRadioGroupClick);
    on(ui.PostCardRadioGroup, &RadioGroup::changed, &TForm1::PostCardRadioGroupClick);
    on(ui.LowerLeftCornerRadioGroup, &RadioGroup::changed, &TForm1::LowerLeftCornerRadioGroupClick);
    for (QTextEdit* memo : {ui.TitleMemo, ui.DescMemo, ui.CreatedByMemo})
        memo->viewport()->installEventFilter(this);

    on(ui.PostCardBackImage, &ImageBox::clicked, &TForm1::PostCardBackImageClick);
    on(ui.OpenImage1, &QAction::triggered, &TForm1::OpenImage1Click);
    on(ui.DeleteImage, &QAction::triggered, &TForm1::DeleteImageClick);

    on(ui.OpenPopup, &QAction::triggered, &TForm1::OpenPopupClick);
    on(ui.DeletePopup, &QAction::triggered, &TForm1::DeletePopupClick);
    on(ui.FrontImage, &ImageBox::clicked, &TForm1::FrontImageClick);
    on(ui.SelectFontButton, &QPushButton::clicked, &TForm1::SelectFontButtonClick);
    on(ui.FrontSelectColorButton, &QPushButton::clicked, &TForm1::FrontSelectColorButtonClick);
    connect(&FrontImageTimer, &QTimer::timeout, this,
            [this] { guard([this] { FrontImageTimerTimer(&FrontImageTimer); }); });
    connect(ui.ImageSizeUpDown, &UpDown::clicked, this,
            [this](bool up) { guard([&] { ImageSizeUpDownClick(ui.ImageSizeUpDown, up); }); });
    connect(ui.ImageHOffsetUpDown, &UpDown::clicked, this, [this](bool up) {
        guard([&] { ImageHOffsetUpDownClick(ui.ImageHOffsetUpDown, up); });
    });
    connect(ui.ImageVOffsetUpDown, &UpDown::clicked, this, [this](bool up) {
        guard([&] { ImageVOffsetUpDownClick(ui.ImageVOffsetUpDown, up); });
    });
    connect(ui.FrontImage, &ImageBox::mousePressed, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
                guard([&] { FrontImageMouseDown(ui.FrontImage, button, shift, x, y); });
                if (button == Qt::RightButton)
                    PopupMenu1->popup(ui.FrontImage->mapToGlobal(QPoint(x, y)));
            });

    on(ui.TypeOfDeckRadioGroup, &RadioGroup::changed, &TForm1::TypeOfDeckRadioGroupClick);
    on(ui.PrintButton, &QPushButton::clicked, &TForm1::PrintButtonClick);
    on(ui.PrinterSetupButton, &QPushButton::clicked, &TForm1::PrinterSetupButtonClick);
    on(ui.PrintBothSidesItem, &QAction::triggered, &TForm1::PrintBothSidesItemClick);
    on(ui.AlignmentTestItem, &QAction::triggered, &TForm1::AlignmentTestItemClick);

    on(ui.OpenDesignItem, &QAction::triggered, &TForm1::OpenDesignItemClick);
    on(ui.SaveDesignItem, &QAction::triggered, &TForm1::SaveDesignItemClick);
    on(ui.SaveDesignAsItem, &QAction::triggered, &TForm1::SaveDesignAsItemClick);
    for (QAction* recent : {ui.RecentDesign1, ui.RecentDesign2, ui.RecentDesign3, ui.RecentDesign4})
        on(recent, &QAction::triggered, &TForm1::RecentDesignItemClick);
    connect(ui.FilesMenu, &QMenu::aboutToShow, this, [this] { refreshRecentDesigns(); });
    on(ui.SaveImageAsItem, &QAction::triggered, &TForm1::SaveSheetImageBestItemClick);
    on(ui.SaveAsJpgItem, &QAction::triggered, &TForm1::SaveSheetImageBestItemClick);
    on(ui.ExportPdfItem, &QAction::triggered, &TForm1::ExportPdfItemClick);

    for (QMenu* menu : {ui.FilesMenu, ui.PrintMenu})
        connect(menu, &QMenu::hovered, this,
                [this](QAction* action) { onHint(action->property("hint").toString()); });
    connect(ImagePopupMenu, &QMenu::hovered, this,
            [this](QAction* action) { onHint(action->property("hint").toString()); });
}

void TForm1::FormCreate()
{
    // 1. Hints go to the hint panel; no control shows pop-up hints.
    qApp->installEventFilter(this);

    // 2. The work folder for the temporary page bitmaps.
    WorkFolder = defaultWorkFolder();
    removeWorkFiles(); // left by a run that was killed
    if (!QDir().mkpath(WorkFolder))
        StartupProblems << tr("The work folder \"%1\" could not be created, so pages "
                              "cannot be printed until it can.")
                               .arg(QDir::toNativeSeparators(WorkFolder));

    // 4.
    ui.PageControl2->hide();
    setFilesMenuEnabled(false);
    // 3., 5. to 7.: the card's size, styles, front text and place are the new card's.
    AreaStyleArray defaultStyles;
    FontDialogFont = loadDefaultAreaStyles(defaultStyles);
    FrontSheetImage = QImage();
    // 8.
    BackSheetImage = QImage(cardSizeOf(document().layout), QImage::Format_RGB32);
    BackSheetImage.fill(Qt::white);
    // 9. Without the printer's figures the program still starts; printing then says why not.
    try {
        refreshPrintPage();
    } catch (const AppError& e) {
        StartupProblems << e.text();
        Metrics = nominalMetrics();
        PrintPageImage = CreatePrintPage(Metrics, document().imageAdjust);
    }
    showPrintHint();
    showBothSidesCommand();
    // 10.
    selectPage(ui.PageControl1, ui.AboutTabSheet);
    // 11.
    createCornerImage();
    // 12. The hidden pictures' page never shows its tab.
    setTabShown(ui.PageControl1, ui.StandardTabSheet, false);
    setTabShown(ui.PageControl1, ui.TextTabSheet, false);
    setTabShown(ui.PageControl1, ui.HiddenImagesTabSheet, false);
    // 13.
    prepareFrontPreview();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    // The window is activated once, when it is first shown; later activations (after a
    // dialog closes) must not apply the layout again over the printer set-up's choices.
    QTimer::singleShot(0, this, [this] { guard([this] { FormActivate(); }); });
}

void TForm1::FormActivate()
{
    if (!StartupProblems.isEmpty()) {
        const QString problems = StartupProblems.join(QStringLiteral("\n\n"));
        StartupProblems.clear();
        dialogs_.error(problems);
    }
    LowerLeftCornerRadioGroupClick(this);
    TypeOfDeckRadioGroupClick(this);
    DrawPostCardBack(this, 1, 0, 0);
    drawAboutSample();
    // Then the design named on the command line, if any.
    if (!StartupDesigns.isEmpty()) {
        const QStringList designs = std::exchange(StartupDesigns, {});
        if (designs.size() > 1)
            throw AppError(tr("Talmiro Postcard Print opens one design at a time; %1 "
                              "files were named on its command line.")
                               .arg(designs.size()));
        openDesignFile(designs.constFirst());
    }
}

void TForm1::ContinueButtonClick(QObject*)
{
    enterWorkingState();
    const bool unchanged = !designChanged();
    LowerLeftCornerRadioGroupClick(ui.ContinueButton);
    // Cancelling the corner question sets the choice to "None": that is no change of the user's
    // to be asked about at exit, nor one to undo. A picture chosen there is.
    if (unchanged && !document().cornerChosen()) {
        savedDesign_ = document();
        history_.reset(document());
    }
}

void TForm1::enterWorkingState()
{
    ui.ContinueButton->setEnabled(false);
    setTabShown(ui.PageControl1, ui.StandardTabSheet, true);
    setTabShown(ui.PageControl1, ui.TextTabSheet, true);
    ui.Panel1->show();
    ui.PageControl2->show();
    setFilesMenuEnabled(true);
    selectPage(ui.PageControl2, ui.PrintControlTabSheet);
    selectPage(ui.PageControl1, ui.TextTabSheet);
}

void TForm1::setFilesMenuEnabled(bool enabled)
{
    // The menus of the working state: Files, and Print.
    ui.FilesMenu->menuAction()->setEnabled(enabled);
    EditMenu->menuAction()->setEnabled(enabled);
    ui.PrintMenu->menuAction()->setEnabled(enabled);
    // Shortcuts reach an action whatever its menu's state: they follow the menu by hand.
    for (QAction* withShortcut : {ui.OpenDesignItem, ui.SaveDesignItem})
        withShortcut->setEnabled(enabled);
}

void TForm1::PageControl1Change(QObject* Sender)
{
    QWidget* page = ui.PageControl1->currentWidget();
    if (page == ui.StandardTabSheet) {
        showBackTabs();
        DrawPostCardBack(Sender, 1, 0, 0);
    } else if (page == ui.FrontTabSheet) {
        FrontImageRefresh(Sender);
        selectPage(ui.PageControl2, ui.PrintControlTabSheet);
        setTabShown(ui.PageControl1, ui.TextTabSheet, false);
        setTabShown(ui.PageControl2, ui.TextSetupTabSheet, false);
    }
}

void TForm1::showBackTabs()
{
    setTabShown(ui.PageControl1, ui.TextTabSheet, true);
    setTabShown(ui.PageControl2, ui.TextSetupTabSheet, true);
}

void TForm1::showPrintHint()
{
    const bool fronts = ui.PageControl1->currentWidget() == ui.FrontTabSheet;
    const QString folder = QDir::toNativeSeparators(printer().pdfFolder());
    QString hint = fronts ? PrintFrontsHint : PrintBacksHint;
    QString notice = MakersNotice;
    if (!folder.isEmpty()) {
        hint = (fronts ? PrintFrontsToPdfHint : PrintBacksToPdfHint).arg(folder);
        notice = NoPrinterNotice.arg(folder);
    }
    ui.PrintButton->setProperty("hint", hint);
    ui.PrintButton->setAccessibleDescription(hint);
    // A long folder name is shortened in its middle to the panel; the whole is in its tip.
    const int room = StatusBar1Panel1->contentsRect().width() - StatusBar1Panel1->margin() * 2;
    StatusBar1Panel1->setText(
        StatusBar1Panel1->fontMetrics().elidedText(notice, Qt::ElideMiddle, room));
    StatusBar1Panel1->setToolTip(notice == StatusBar1Panel1->text() ? QString() : notice);
    StatusBar1Panel1->setAccessibleName(notice);
}

void TForm1::PageControl2Change(QObject* Sender)
{
    if (ui.PageControl2->currentWidget() == ui.TextSetupTabSheet) {
        selectPage(ui.PageControl1, ui.StandardTabSheet);
        DrawPostCardBack(Sender, 1, 0, 0);
    }
}

void TForm1::ExitButtonClick(QObject* Sender)
{
    ExitItemClick(Sender);
}

void TForm1::ExitAboutButtonClick(QObject* Sender)
{
    ExitButtonClick(Sender);
}

void TForm1::ExitItemClick(QObject*)
{
    close();
}

bool TForm1::FormCloseQuery()
{
    const QString title = tr("End Program?");
    if (!designChanged())
        return dialogs_.question(title, tr("Are you sure you want to end program?"));
    bool mayClose = false;
    guard([&] {
        mayClose = offerToSaveChanges(title, tr("The design has changes that are not "
                                                "saved. Save them before the program "
                                                "ends?"));
    });
    return mayClose;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TForm1::selectPage(QTabWidget* tabs, QWidget* page)
{
    const bool was = programmaticPage_;
    programmaticPage_ = true;
    tabs->setCurrentWidget(page);
    programmaticPage_ = was;
}

void TForm1::setTabShown(QTabWidget* tabs, QWidget* page, bool shown)
{
    const bool was = programmaticPage_;
    programmaticPage_ = true;
    tabs->setTabVisible(tabs->indexOf(page), shown);
    programmaticPage_ = was;
}

QString TForm1::hintFor(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QString hint = w->property("hint").toString();
        if (!hint.isEmpty())
            return hint;
        if (w->isWindow())
            break;
    }
    return {};
}

void TForm1::DisplayHint(const QString& hint)
{
    // The long form is the part after a "|", if there is one.
    const int bar = hint.indexOf(QLatin1Char('|'));
    ui.Memo2->clear();
    ui.Memo2->append(bar >= 0 ? hint.mid(bar + 1) : hint);
}

void TForm1::onHint(const QString& hint)
{
    if (hint == currentHint_)
        return;
    currentHint_ = hint;
    DisplayHint(hint);
}

void TForm1::updateHintUnderCursor()
{
    QWidget* w = QApplication::widgetAt(QCursor::pos());
    if (w && w->window() != this)
        return; // over a menu or dialog: those report their own hints
    onHint(w ? hintFor(w) : QString());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // A memo or an edit would take Undo and Redo for its own: the card's undo takes them.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* item : {UndoItem, RedoItem})
            if (item && item->shortcuts().contains(pressed))
                return true;
        break;
    }
    case QEvent::Enter:
    case QEvent::Leave:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this)
            QTimer::singleShot(0, this, [this] { updateHintUnderCursor(); });
        break;
    case QEvent::MouseButtonRelease:
        if (watched == ui.TitleMemo->viewport())
            guard([this] { TitleMemoClick(ui.TitleMemo); });
        else if (watched == ui.DescMemo->viewport())
            guard([this] { DescMemoClick(ui.DescMemo); });
        else if (watched == ui.CreatedByMemo->viewport())
            guard([this] { CreatedByMemoClick(ui.CreatedByMemo); });
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
