#pragma once
// The main window. Each handler reads its controls, builds the input of a drawing or printing
// core, calls it and shows the result; the handlers of each subject live in their own file
// (TForm1*.cpp). The window owns every long-lived object of the program.
#include "Dialogs.h"
#include "back/AreaStyles.h"
#include "design/DesignFile.h"
#include "document/CardHistory.h"
#include "document/CardRender.h"
#include "geometry/PrinterMetrics.h"

#include <QByteArray>
#include <QImage>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class PrinterDevice;
struct CardBackInput;
namespace Ui
{
class TForm1;
}
enum class Layout : int;
struct PagePlacement;
struct SheetLayout;
enum class SheetTurn;
enum class PrintQuality : int;
class PrintPreviewDialog;
class QLabel;
class QMenu;
class QTabWidget;
class QTextEdit;

// The window's long-lived state, kept by its handlers. Outside the window it is read-only
// (TForm1::state()): tests, benchmarks and tools change it as the user does, through the
// handlers and the controls.
// The card itself is not here: it is the document (TForm1::document()), which the controls show.
struct TForm1State {
    QImage BackSheetImage;
    QImage PrintPageImage;
    PrinterMetrics Metrics = nominalMetrics();
    QImage FrontSheetImage;
    QTimer FrontImageTimer;
    QString WorkFolder;

    FileDialogSettings OpenPictureDialog1;
    FileDialogSettings FrontOpenPictureDialog;
    FileDialogSettings BitMapSavePictureDialog;
    QString DesignFile; // the file the design was last saved in or opened from
};

// The state is a private base, so that the handlers keep the names they speak of.
class TForm1 : public QMainWindow, private TForm1State
{
    Q_OBJECT

public:
    TForm1(Dialogs& dialogs, PrinterDevice& printer, QWidget* parent = nullptr);
    ~TForm1() override;

    // --- What callers outside the window use, besides the handlers below --------------------
    // The window's state, to read; it changes only through the handlers and the controls.
    const TForm1State& state() const { return *this; }
    // Runs a handler as the window's events do: an error ends it and is shown in the error box.
    void guard(const std::function<void()>& handler);
    // The hint a widget shows: its own, or that of the nearest ancestor that has one.
    static QString hintFor(const QWidget* widget);
    // The command line's arguments after the program's name: one design, opened once the
    // window is first shown.
    void openDesignAtStart(const QStringList& arguments) { StartupDesigns = arguments; }
    // The card as the user has designed it so far: what a design keeps and what Print prints.
    const CardDocument& document() const { return history_.card(); }
    // Whether the design differs from what was last saved or opened (or from the start-up
    // defaults before either).
    bool designChanged() const;
    // The control that shows a setting of the card (cardSettings()).
    QWidget* controlOf(const CardSetting& setting) const;

    // --- Handlers, under the names of the events they answer --------------------------------
    // Application shell (TForm1.cpp)
    void FormActivate();
    void DisplayHint(const QString& hint);
    void ContinueButtonClick(QObject* Sender);
    void PageControl1Change(QObject* Sender);
    void PageControl2Change(QObject* Sender);
    void ExitButtonClick(QObject* Sender);
    void ExitAboutButtonClick(QObject* Sender);
    void ExitItemClick(QObject* Sender);

    // Card back texts and styles (TForm1Styles.cpp)
    void FontButtonClick(QObject* Sender);
    void ColorButtonClick(QObject* Sender);
    void UnSelectAllButtonClick(QObject* Sender);
    void TitleMemoClick(QObject* Sender);
    void DescMemoClick(QObject* Sender);
    void CreatedByMemoClick(QObject* Sender);
    void AddressLinesRadioGroupClick(QObject* Sender);
    void AddressSeperatorRadioGroupClick(QObject* Sender);
    void PostalBarCodeBoxRadioGroupClick(QObject* Sender);
    void PostCardRadioGroupClick(QObject* Sender);
    void LowerLeftCornerRadioGroupClick(QObject* Sender);

    // Card back renderer (TForm1Back.cpp)
    void DrawPostCardBack(QObject* Sender, int a, int b, int c);

    // Lower-left corner picture (TForm1Corner.cpp)
    void PostCardBackImageClick(QObject* Sender);
    void OpenImage1Click(QObject* Sender);
    void DeleteImageClick(QObject* Sender);
    // Opens the picture file as the Open command does once the dialog has chosen it.
    void openCornerPicture(const QString& fileName);

    // Card front (TForm1Front.cpp)
    void FrontImageRefresh(QObject* Sender);
    void OpenPopupClick(QObject* Sender);
    // Opens the picture file as the Open command does once the dialog has chosen it.
    void openFrontPicture(const QString& fileName);
    // Several files make a photo run, one photo a card in their order; one file as above.
    void openFrontPictures(const QStringList& fileNames);
    void PhotoStepButtonClick(QObject* Sender, int step);
    void FrontImageClick(QObject* Sender);
    void DeletePopupClick(QObject* Sender);
    void ImageSizeUpDownClick(QObject* Sender, bool up);
    void ImageHOffsetUpDownClick(QObject* Sender, bool up);
    void ImageVOffsetUpDownClick(QObject* Sender, bool up);
    void FrontImageTimerTimer(QObject* Sender);
    void SelectFontButtonClick(QObject* Sender);
    void FrontSelectColorButtonClick(QObject* Sender);
    void FrontImageMouseDown(QObject* Sender, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                             int x, int y);

    // Layouts and printing (TForm1Print.cpp)
    void TypeOfDeckRadioGroupClick(QObject* Sender);
    // The layouts beyond the four (TForm1Layouts.cpp).
    void createOtherPaperCommand();
    void OtherPaperButtonClick();
    void drawLayoutMiniature();
    void PrintButtonClick(QObject* Sender);
    void PrinterSetupButtonClick(QObject* Sender);
    // Fronts and backs as one two-sided document, the backs placed for the printer's turn.
    void PrintBothSidesItemClick(QObject* Sender);
    // The test page of fronts, how to turn the sheet, then the test page of backs.
    void AlignmentTestItemClick(QObject* Sender);
    // Print > Print Preview... (TForm1Preview.cpp): the sheets as they will print.
    void PrintPreviewItemClick(QObject* Sender);

    // Saving the back (TForm1Save.cpp)
    void SaveSheetImageBestItemClick(QObject* Sender);
    // Files > Export PDF...: the card for a print shop.
    void ExportPdfItemClick(QObject* Sender);

    // Undo and redo (TForm1Design.cpp)
    void UndoItemClick(QObject* Sender);
    void RedoItemClick(QObject* Sender);

    // Address lists (TForm1Addresses.cpp)
    void AddressListItemClick(QObject* Sender);
    void RemoveAddressListItemClick(QObject* Sender);
    // Shows the next (`step` 1) or the previous (-1) address of the list on the back preview.
    void AddressStepButtonClick(QObject* Sender, int step);
    // Opens the list as the command does once the dialog has chosen it.
    void openAddressList(const QString& fileName);

    // Design files (TForm1Design.cpp)
    void OpenDesignItemClick(QObject* Sender);
    void SaveDesignItemClick(QObject* Sender);
    void SaveDesignAsItemClick(QObject* Sender);
    void RecentDesignItemClick(QObject* Sender);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Application shell
    void FormCreate();
    bool FormCloseQuery();
    // Selects a page from code: the tab-change handlers run only on the user's selections.
    void selectPage(QTabWidget* tabs, QWidget* page);
    void setTabShown(QTabWidget* tabs, QWidget* page, bool shown);
    // Back mode: the Text/Image and Text Setup tabs shown.
    void showBackTabs();
    // The Print button's hint names what Print would print from the page now shown, and where:
    // without a printer, the hint and the status bar say that Print saves a PDF file, and where.
    void showPrintHint();
    // A temporary page bitmap's path in WorkFolder, which is made again first if it has gone
    // (the user may clear the cache folder while the window is open).
    QString workFile(const QString& name) const;
    // The work files, written into WorkFolder and never read back; removed when the window goes.
    static const QString PageWorkFile;   // the page as sent to the printer
    static const QString TurnedWorkFile; // a page of backs or a front picture turned
    void removeWorkFiles() const;
    // Reads a picture for a use that draws it into `drawBox` at most, off the user-interface
    // thread (the window repaints, and offers Cancel when it takes long), and runs `prepare` on
    // it there too; empty when the user cancelled.
    std::optional<CardPicture>
    loadPictureInBackground(const QString& fileName, QSize drawBox,
                            std::function<void(CardPicture&)> prepare = {});

    // Card back texts, styles and renderer
    std::array<bool, AreaCount> tickedAreas() const;
    int NextArea(QObject* Sender, int start) const;
    void drawAboutSample();

    // Lower-left corner picture
    void createCornerImage();

    // Card front
    // A front picture as the front uses it: turned when taller than wide, its turned copy
    // written to the work folder. Raises AppError; changes nothing of the window. Safe off the
    // user-interface thread.
    static void turnTallFront(CardPicture& picture, const QString& turnedFile);
    void prepareFrontPreview();
    void showFrontPreview();

    // Layouts and printing
    void refreshPrintPage(); // CreatePrintPage for the window: metrics and page bitmap
    // The Print Quality choice, kept between runs (not in the design).
    void bindPrintQuality();
    PrintQuality printQuality() const;
    void Page1(QObject* Sender);
    void PrintPostCardBacks(const PreparedPrint& print);
    void FrontPagePrint();
    // Asks what a print must ask before it goes (the paper cut) and sends it; returns the
    // device's note, empty when the user chose not to print.
    QString sendPreparedPrint(const PreparedPrint& print);
    // Sends a run of more than one sheet off this thread, with the wait box's Cancel, which
    // stops it at a sheet's end and says how many sheets went out; one sheet as before.
    QString sendRun(const PreparedPrint& print);
    // Print Both Sides is offered, with a hint that says why or why not, by what the printer
    // can do.
    void showBothSidesCommand();
    // The print preview's command, its Print, and its pages made again when anything they show
    // changes.
    void createPrintPreviewCommand();
    void printPreviewed(const PreparedPrint& print);
    void refreshPrintPreview();

    // Address lists: the commands and the preview's steps, made in code.
    void createAddressControls();
    // The card the back preview shows: with a list, the shown address typed.
    CardDocument shownCard() const;
    void showAddressStep();
    // Photo runs: the front preview's steps, made in code.
    void createPhotoControls();
    // The card the front preview shows: of a photo run, the shown photo's.
    CardDocument shownFront() const;
    void showPhotoStep();

    // Design files
    // Reads the whole design, pictures included, before it changes anything: a file that fails
    // leaves the window as it was. Leaves the About page as Continue does, without asking for a
    // corner picture. Raises AppError.
    void openDesignFile(const QString& fileName);
    // Saves to the design's file, or asks for one first when it has none or `askName` is set;
    // false when the user cancels. Raises AppError.
    bool saveDesign(bool askName);
    // Fills the Files menu's recent designs from the list kept between runs.
    void refreshRecentDesigns();

    Dialogs& dialogs() { return dialogs_; }
    PrinterDevice& printer() { return printer_; }

    // Controls the window makes in code; tests find them by their object names.
    QMenu* ImagePopupMenu = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QLabel* StatusBar1Panel1 = nullptr; // the maker's notice, or where Print saves its PDF files

    // State no caller outside the window needs.
    fc FontDialogFont;                         // the Text Setup font dialog's font and colour
    TColor ColorDialogColor = TColors::Black;  // the Text Setup colour dialog's colour
    TColor CornerPreviewFill = TColors::White; // fill of PostCardBackImage when cleared
    // Problems met while starting (no WorkFolder, no printer figures), shown once, together.
    QStringList StartupProblems;
    FileDialogSettings DesignDialog;
    QStringList StartupDesigns;

    // Everything one render of the back reads: the card, and the About page's state.
    CardBackInput cardBackInput() const;
    // The printer's figures read afresh and the layout chosen, for a print of backs or both
    // sides; raises AppError when no layout is chosen.
    SheetLayout layoutForPrint();
    // The layout's paper put in the printer, or the user's yes to the printer's own.
    bool paperAgreed();
    void connectHandlers();
    // Pictures dropped on the corner's picture box and the front's preview (TForm1Drop.cpp).
    void connectPictureDrops();
    void enterWorkingState();
    void setFilesMenuEnabled(bool enabled);
    void showCornerChoice();
    // The window's title names the design's file once it has one.
    void showDesignName();
    // Asks whether to save unsaved changes first; false when the user would rather stay.
    bool offerToSaveChanges(const QString& title, const QString& text);
    // Makes `card` the document as one undo step called `what`, and shows it.
    void commit(const CardDocument& card, const QString& what);
    // Puts the card into the controls and the picture boxes; the changes this makes are no
    // steps of the user's.
    void showCard();
    // After an undo or a redo: the card shown, the back and the front drawn again.
    void cardRestored();
    // A bound control changed: the card takes its value.
    void controlChanged(const CardSetting& setting);
    void connectCardControls();
    void createEditMenu();
    void applyControlFonts();
    void loadBuiltInPictures();
    void updateHintUnderCursor();
    void onHint(const QString& hint);

    // The generated form: its controls are reached by the handlers as `ui`, by tests through
    // their object names.
    std::unique_ptr<Ui::TForm1> form_;
    Ui::TForm1& ui;
    Dialogs& dialogs_;
    PrinterDevice& printer_;
    bool activated_ = false;
    bool showingCard_ = false; // the controls are being set from the card
    CardHistory history_;      // the card, and its undo steps
    CardDocument savedDesign_; // as last saved or opened, or as the program started
    // Typing a pause long ends its undo step.
    QTimer typingPause_;
    QMenu* EditMenu = nullptr;
    QAction* UndoItem = nullptr;
    QAction* RedoItem = nullptr;
    bool programmaticPage_ = false;
    QString currentHint_;
    int shownAddress_ = 0; // of the list's addresses, the one the back preview shows
    QAction* AddressListItem = nullptr;
    QAction* RemoveAddressListItem = nullptr;
    QWidget* AddressStepPanel = nullptr;
    QLabel* AddressStepLabel = nullptr;
    QAction* PrintPreviewItem = nullptr;
    QAction* OtherPaperItem = nullptr;
    PrintPreviewDialog* PrintPreview = nullptr;
    int shownPhoto_ = 0; // of the front's photos, the one the front preview shows
    QWidget* PhotoStepPanel = nullptr;
    QLabel* PhotoStepLabel = nullptr;
};

// "<per-user cache folder>/Talmiro Inc", where the temporary page bitmaps are written.
QString defaultWorkFolder();
