// The window's welcome and working states, its two tab panels, the hint panel and the exit
// question.
#include "support/FormFixture.h"
#include "support/WindowControls.h"

#include <QDir>
#include <QLabel>
#include <QTabBar>
#include <QTemporaryDir>

namespace
{

// Whether the page has its tab in the row.
bool tabShown(const QTabWidget* tabs, QWidget* page)
{
    return tabs->isTabVisible(tabs->indexOf(page));
}

QStringList shownTabs(QTabWidget* tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->isTabVisible(i))
            titles << tabs->tabText(i);
    return titles;
}

} // namespace

using Shell = FormFixture;

TEST_F(Shell, StartsWelcomingOnTheAboutPage)
{
    activate();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Talmiro Postcard Print"));
    EXPECT_EQ(shownTabs(findControl<QTabWidget>(*form, "PageControl1")),
              (QStringList{QStringLiteral("PostCard Front"), QStringLiteral("About")}));
    EXPECT_EQ(findControl<QTabWidget>(*form, "PageControl1")->currentWidget(),
              findControl<QWidget>(*form, "AboutTabSheet"));
    EXPECT_TRUE(findControl<QTabWidget>(*form, "PageControl2")->isHidden());
    EXPECT_FALSE(findControl<QMenu>(*form, "FilesMenu")->menuAction()->isEnabled());
    EXPECT_TRUE(findControl<QPushButton>(*form, "ContinueButton")->isEnabled());
    EXPECT_EQ(form->document().sheetSize().width(), 1200);
    EXPECT_EQ(form->document().sheetSize().height(), 800);
    EXPECT_EQ(form->document().FrontTextX, 20);
    EXPECT_EQ(form->document().FrontTextY, 400);
    EXPECT_TRUE(QDir(form->state().WorkFolder).exists());
    EXPECT_TRUE(form->state().WorkFolder.endsWith(QStringLiteral("/Talmiro Inc")));
    EXPECT_EQ(findControl<ImageBox>(*form, "FrontImage")->size(), QSize(300, 200));
    EXPECT_GE(findControl<ImageBox>(*form, "FrontImage")->canvas().width(), 400);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    // The default corner choice "Image" makes the picture box usable and the text not.
    EXPECT_TRUE(findControl<ImageBox>(*form, "PostCardBackImage")->isEnabled());
    EXPECT_FALSE(findControl<QTextEdit>(*form, "LowerLeftTextMemo")->isEnabled());
    EXPECT_FALSE(findControl<QLabel>(*form, "Label7")->isEnabled());
}

TEST_F(Shell, ContinueOpensTheWorkingStateOnce)
{
    activate();
    pressContinue();
    EXPECT_FALSE(findControl<QPushButton>(*form, "ContinueButton")->isEnabled());
    EXPECT_EQ(shownTabs(findControl<QTabWidget>(*form, "PageControl1")),
              (QStringList{QStringLiteral("Postcard Back"), QStringLiteral("Text/Image"),
                           QStringLiteral("PostCard Front"), QStringLiteral("About")}));
    EXPECT_EQ(findControl<QTabWidget>(*form, "PageControl1")->currentWidget(),
              findControl<QWidget>(*form, "TextTabSheet"));
    EXPECT_FALSE(findControl<QTabWidget>(*form, "PageControl2")->isHidden());
    EXPECT_EQ(findControl<QTabWidget>(*form, "PageControl2")->currentWidget(),
              findControl<QWidget>(*form, "PrintControlTabSheet"));
    EXPECT_FALSE(findControl<QFrame>(*form, "Panel1")->isHidden());
    EXPECT_TRUE(findControl<QMenu>(*form, "FilesMenu")->menuAction()->isEnabled());
    // Selecting pages from code ran no tab handler: the Print hint still names backs.
    EXPECT_EQ(findControl<QPushButton>(*form, "PrintButton")->property("hint").toString(),
              QStringLiteral("Will print the page of postcard backs to selected printer."));
}

TEST_F(Shell, FrontModeHidesTheBackTabsUntilPostcardBackIsChosen)
{
    activate();
    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "FrontTabSheet"));
    pressContinue();
    // After a visit to the front, Continue keeps the Text Setup tab hidden; Print on the
    // Text/Image page prints backs, and its hint says so.
    EXPECT_EQ(findControl<QTabWidget>(*form, "PageControl1")->currentWidget(),
              findControl<QWidget>(*form, "TextTabSheet"));
    EXPECT_FALSE(tabShown(findControl<QTabWidget>(*form, "PageControl2"),
                          findControl<QWidget>(*form, "TextSetupTabSheet")));
    EXPECT_EQ(findControl<QPushButton>(*form, "PrintButton")->property("hint").toString(),
              QStringLiteral("Will print the page of postcard backs to selected printer."));

    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "FrontTabSheet"));
    EXPECT_FALSE(tabShown(findControl<QTabWidget>(*form, "PageControl1"),
                          findControl<QWidget>(*form, "TextTabSheet")));
    EXPECT_EQ(findControl<QTabWidget>(*form, "PageControl2")->currentWidget(),
              findControl<QWidget>(*form, "PrintControlTabSheet"));
    EXPECT_EQ(findControl<QPushButton>(*form, "PrintButton")->property("hint").toString(),
              QStringLiteral("Will print the page of postcard fronts to selected printer."));

    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "AboutTabSheet")); // the tabs stay as they are
    EXPECT_FALSE(tabShown(findControl<QTabWidget>(*form, "PageControl1"),
                          findControl<QWidget>(*form, "TextTabSheet")));
    EXPECT_EQ(findControl<QPushButton>(*form, "PrintButton")->property("hint").toString(),
              QStringLiteral("Will print the page of postcard backs to selected printer."));

    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "StandardTabSheet"));
    EXPECT_TRUE(tabShown(findControl<QTabWidget>(*form, "PageControl1"),
                         findControl<QWidget>(*form, "TextTabSheet")));
    EXPECT_TRUE(tabShown(findControl<QTabWidget>(*form, "PageControl2"),
                         findControl<QWidget>(*form, "TextSetupTabSheet")));
    EXPECT_EQ(findControl<QPushButton>(*form, "PrintButton")->property("hint").toString(),
              QStringLiteral("Will print the page of postcard backs to selected printer."));
    EXPECT_FALSE(tabShown(findControl<QTabWidget>(*form, "PageControl1"),
                          findControl<QWidget>(*form, "HiddenImagesTabSheet")));
}

TEST_F(Shell, PrintingBacksFromTheAboutPageAfterTheFrontEndsOnAPageWithItsTab)
{
    activate();
    pressContinue();
    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "FrontTabSheet"));
    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "AboutTabSheet"));
    printer.lines.clear();
    const int before = printer.documentsBegun;
    findControl<QPushButton>(*form, "PrintButton")->click();
    EXPECT_EQ(printer.documentsBegun - before, 1);
    EXPECT_FALSE(printer.lines.empty()) << "the About page prints backs, with their marks";
    // Back mode again: the page shown has its tab selected, and both back tabs are reachable.
    QWidget* shown = findControl<QTabWidget>(*form, "PageControl1")->currentWidget();
    EXPECT_EQ(shown, findControl<QWidget>(*form, "TextTabSheet"));
    EXPECT_TRUE(tabShown(findControl<QTabWidget>(*form, "PageControl1"), shown));
    EXPECT_EQ(findControl<QTabWidget>(*form, "PageControl1")->tabBar()->currentIndex(),
              findControl<QTabWidget>(*form, "PageControl1")->indexOf(shown));
    EXPECT_TRUE(tabShown(findControl<QTabWidget>(*form, "PageControl2"),
                         findControl<QWidget>(*form, "TextSetupTabSheet")));
    EXPECT_EQ(findControl<QPushButton>(*form, "PrintButton")->property("hint").toString(),
              QStringLiteral("Will print the page of postcard backs to selected printer."));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
}

TEST_F(Shell, TextSetupBringsThePostcardBackForward)
{
    activate();
    pressContinue();
    userSelects(findControl<QTabWidget>(*form, "PageControl2"),
                findControl<QWidget>(*form, "TextSetupTabSheet"));
    EXPECT_EQ(findControl<QTabWidget>(*form, "PageControl1")->currentWidget(),
              findControl<QWidget>(*form, "StandardTabSheet"));
    userSelects(findControl<QTabWidget>(*form, "PageControl2"),
                findControl<QWidget>(*form, "PrintControlTabSheet"));
    EXPECT_EQ(findControl<QTabWidget>(*form, "PageControl1")->currentWidget(),
              findControl<QWidget>(*form, "StandardTabSheet"));
}

TEST_F(Shell, EveryWayOutAsksFirst)
{
    activate();
    form->show();
    dialogs.questionAnswers = {false, false, false, false};
    findControl<QPushButton>(*form, "ExitAboutButton")->click();
    findControl<QPushButton>(*form, "ExitButton")->click();
    findControl<QAction>(*form, "ExitItem")->trigger();
    form->close(); // the window's close box
    EXPECT_EQ(dialogs.questions.size(), 4);
    for (const QString& q : dialogs.questions)
        EXPECT_EQ(q, QStringLiteral("End Program?|Are you sure you want to end program?"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(findControl<QTextEdit>(*form, "TitleMemo")->toPlainText(),
              QStringLiteral("TITLE TEXT"));

    dialogs.questionAnswers = {true};
    findControl<QAction>(*form, "ExitItem")->trigger();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Shell, HintsComeFromTheControlOrItsNearestAncestor)
{
    EXPECT_EQ(TForm1::hintFor(findControl<QTextEdit>(*form, "TitleMemo")),
              QStringLiteral("Title of postcard, by default will print bold."));
    // Labels and check boxes show their page's or group box's hint.
    EXPECT_EQ(TForm1::hintFor(findControl<QLabel>(*form, "Label4")),
              findControl<QWidget>(*form, "TextTabSheet")->property("hint").toString());
    EXPECT_EQ(TForm1::hintFor(findControl<QCheckBox>(*form, "TitleCheckBox")),
              QStringLiteral("Check the areas you want to change."));
    EXPECT_EQ(TForm1::hintFor(findControl<RadioGroup>(*form, "StampBorderRadioGroup")->button(3)),
              QStringLiteral("Selects what kind of a border, if any will be drawn around the "
                             "text in the postage stamp area."));
    EXPECT_EQ(TForm1::hintFor(findControl<QLabel>(*form, "Label2")),
              QStringLiteral("The number of copies of each page printed, for example Old Maid is "
                             "should be 2 so that pairs of cards will be created."));
    EXPECT_EQ(
        TForm1::hintFor(findControl<QStatusBar>(*form, "StatusBar1")),
        QStringLiteral("If \"Lines\" is selected will print 5 lines in the address area of "
                       "the postcard to help in addressing.  Otherwise no lines will print."));
    // The front page, the About sample, the tab strips and the window have none.
    EXPECT_TRUE(TForm1::hintFor(findControl<QTextEdit>(*form, "FrontMemo")).isEmpty());
    EXPECT_TRUE(TForm1::hintFor(findControl<ImageBox>(*form, "AboutSampleImage")).isEmpty());
    EXPECT_TRUE(
        TForm1::hintFor(findControl<QTabWidget>(*form, "PageControl1")->findChild<QTabBar*>())
            .isEmpty());
    EXPECT_TRUE(TForm1::hintFor(form.get()).isEmpty());
    EXPECT_EQ(findControl<QAction>(*form, "SaveAsJpgItem")->property("hint").toString(),
              QStringLiteral("Select a file to save the card back image as a jpg."));
}

TEST_F(Shell, HintPanelShowsTheLongFormAndReplacesWhatWasTyped)
{
    findControl<QTextEdit>(*form, "Memo2")->setPlainText(QStringLiteral("typed by the user"));
    form->DisplayHint(QStringLiteral("short|the long form"));
    EXPECT_EQ(findControl<QTextEdit>(*form, "Memo2")->toPlainText(),
              QStringLiteral("the long form"));
    form->DisplayHint(QStringLiteral("Ends Program"));
    EXPECT_EQ(findControl<QTextEdit>(*form, "Memo2")->toPlainText(),
              QStringLiteral("Ends Program"));
    form->DisplayHint(QString());
    EXPECT_TRUE(findControl<QTextEdit>(*form, "Memo2")->toPlainText().isEmpty());
    EXPECT_FALSE(findControl<QTextEdit>(*form, "Memo2")->isReadOnly());
}

TEST(ShellStartup, WorkFolderThatCannotBeMadeIsReportedOnceAndTheWindowStillWorks)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("cache")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the cache folder should be
    blocker.close();
    const QByteArray saved = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", blocker.fileName().toLocal8Bit());

    ScriptedDialogs dialogs;
    RecordingPrinter printer;
    printer.dpiX = printer.dpiY = 0; // and a printer that cannot be used
    {
        TForm1 form(dialogs, printer);
        form.guard([&] { form.FormActivate(); });
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("Talmiro Inc")));
        EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("resolution")));
        EXPECT_FALSE(form.state().BackSheetImage.isNull());
        EXPECT_FALSE(form.state().PrintPageImage.isNull());
        EXPECT_GT(form.state().Metrics.DpiX, 0);
    }
    qputenv("XDG_CACHE_HOME", saved);
}

namespace
{

// No printer installed: the device saves PDF files in a folder.
class NoPrinter : public FormFixture
{
protected:
    void SetUp() override
    {
        printer.pdfFolderNamed = Folder;
        FormFixture::SetUp();
        activate();
        pressContinue();
    }
    QString printHint() const
    {
        return findControl<QPushButton>(*form, "PrintButton")->property("hint").toString();
    }
    QLabel* notice() const { return findControl<QLabel>(*form, "StatusBar1Panel1"); }

    const QString Folder = QStringLiteral("/home/jo/Documents");
};

} // namespace

TEST_F(NoPrinter, PrintHintAndStatusBarSayThatPrintSavesAPdfFileAndWhere)
{
    EXPECT_TRUE(printHint().contains(QStringLiteral("PDF file"))) << printHint().toStdString();
    EXPECT_TRUE(printHint().contains(QStringLiteral("backs")));
    EXPECT_TRUE(printHint().contains(Folder));
    EXPECT_FALSE(printHint().contains(QStringLiteral("selected printer")));
    EXPECT_EQ(findControl<QPushButton>(*form, "PrintButton")->accessibleDescription(), printHint());
    EXPECT_TRUE(notice()->text().contains(QStringLiteral("PDF file")));
    EXPECT_TRUE(notice()->text().contains(Folder));

    userSelects(findControl<QTabWidget>(*form, "PageControl1"),
                findControl<QWidget>(*form, "FrontTabSheet"));
    EXPECT_TRUE(printHint().contains(QStringLiteral("fronts")));
    EXPECT_TRUE(printHint().contains(Folder));

    // A printer chosen in the set-up: the hint names it again and the notice comes back.
    printer.pdfFolderNamed.clear();
    findControl<QPushButton>(*form, "PrinterSetupButton")->click();
    EXPECT_EQ(printHint(),
              QStringLiteral("Will print the page of postcard fronts to selected printer."));
    EXPECT_FALSE(notice()->text().contains(QStringLiteral("PDF")));
}

TEST_F(NoPrinter, ALongFolderNameIsShortenedInTheStatusBarAndWholeInItsTip)
{
    printer.pdfFolderNamed = QStringLiteral("/home/jo/") + QString(30, QLatin1Char('x')) +
                             QStringLiteral("/a folder with a very long name indeed/Documents");
    findControl<QPushButton>(*form, "PrinterSetupButton")->click();
    const QString whole = notice()->accessibleName();
    EXPECT_TRUE(whole.contains(printer.pdfFolderNamed));
    EXPECT_NE(notice()->text(), whole);
    EXPECT_LE(notice()->fontMetrics().horizontalAdvance(notice()->text()),
              notice()->contentsRect().width());
    EXPECT_EQ(notice()->toolTip(), whole);
}
