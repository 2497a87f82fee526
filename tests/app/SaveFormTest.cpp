// The two "Files" save commands on the main window: dialog settings, Cancel, errors, and the
// files they write.
#include "geometry/SheetLayout.h"
#include "support/FormFixture.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

namespace
{

const QString NoNameMessage = QStringLiteral("Image not saved. No name entered for image.");

QImage readBack(const QString& fileName, const char* format)
{
    QImageReader reader(fileName, format);
    return reader.read();
}

class SaveForm : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        activate();
        pressContinue();
        dialogs.openShown.clear();
        dialogs.log.clear();
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(SaveForm, EachCommandSetsTitleFilterAndExtensionAndCancelWritesNothing)
{
    const FileDialogSettings initial = form->state().BitMapSavePictureDialog;
    EXPECT_EQ(initial.title, QStringLiteral("Save PostCard Back as BitMap"));
    EXPECT_EQ(initial.defaultExt, QStringLiteral(".bmp"));

    findControl<QAction>(*form, "SaveAsJpgItem")->trigger();
    findControl<QAction>(*form, "SaveImageAsItem")->trigger();
    findControl<QAction>(*form, "SaveAsJpgItem")->trigger();

    ASSERT_EQ(dialogs.saveShown.size(), 3u);
    for (int i : {0, 2}) {
        EXPECT_EQ(dialogs.saveShown[i].title,
                  QStringLiteral("File name to save sheet of postcard backs, as a jpg."));
        EXPECT_EQ(dialogs.saveShown[i].filter, QStringLiteral("Jpg (*.jpg)|*.jpg"));
        EXPECT_EQ(dialogs.saveShown[i].defaultExt, QStringLiteral("*.jpg"));
    }
    EXPECT_EQ(dialogs.saveShown[1].title,
              QStringLiteral("File name to save sheet of postcard backs, as a bitmap."));
    EXPECT_EQ(dialogs.saveShown[1].filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    EXPECT_EQ(dialogs.saveShown[1].defaultExt, QStringLiteral("*.bmp"));
    for (const FileDialogSettings& shown : dialogs.saveShown)
        EXPECT_EQ(shown.initialDir, QStringLiteral("."));
    // The dialog keeps the last command's settings.
    EXPECT_EQ(form->state().BitMapSavePictureDialog.filter, QStringLiteral("Jpg (*.jpg)|*.jpg"));

    // Each Cancel: the message once, nothing else.
    EXPECT_EQ(dialogs.log,
              (QStringList{QStringLiteral("save"), QStringLiteral("message:") + NoNameMessage,
                           QStringLiteral("save"), QStringLiteral("message:") + NoNameMessage,
                           QStringLiteral("save"), QStringLiteral("message:") + NoNameMessage}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SaveForm, WritesTheBackAsTheLastRenderLeftIt)
{
    for (const Layout layout : {Layout::LandscapeLandscape, Layout::FourOnSheet}) {
        const QSize size = sheetLayoutAt(layout)->card;
        findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(layout);
        QTextEdit* title = findControl<QTextEdit>(*form, "TitleMemo");
        title->setPlainText(QStringLiteral("As drawn"));
        form->DrawPostCardBack(form.get(), 1, 0, 0);
        const QImage drawn = form->state().BackSheetImage.copy();
        // A change not drawn yet: a save that drew the back again would show it.
        title->setPlainText(QStringLiteral("Typed since, WWWWWWWW"));
        const QString bmp = path(QStringLiteral("card.bmp"));
        const QString jpg = path(QStringLiteral("card.jpg"));
        dialogs.saveAnswers = {bmp, jpg};
        findControl<QAction>(*form, "SaveImageAsItem")->trigger();
        findControl<QAction>(*form, "SaveAsJpgItem")->trigger();

        EXPECT_TRUE(dialogs.messages.isEmpty()) << "a successful save shows no message";
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
        const QImage savedBmp = readBack(bmp, "bmp");
        ASSERT_EQ(savedBmp.size(), size);
        EXPECT_EQ(savedBmp.convertToFormat(QImage::Format_RGB32),
                  drawn.convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(readBack(jpg, "jpeg").size(),
                  QSize(size.width() * 75 / 200, size.height() * 75 / 200));
        // The next dialog does not offer the name just used: a JPEG named "card.bmp" is a trap.
        EXPECT_TRUE(dialogs.saveShown.back().fileName.isEmpty());
        form->DrawPostCardBack(form.get(), 1, 0, 0);
        EXPECT_NE(form->state().BackSheetImage, drawn) << "the change typed since never shows";
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(SaveForm, AFailedSaveShowsTheErrorOnceAndPutsTheCursorBack)
{
    const QString name = path(QStringLiteral("gone/card.bmp"));
    dialogs.saveAnswers = {name};
    findControl<QAction>(*form, "SaveImageAsItem")->trigger();

    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Cannot create file \"") + name))
        << dialogs.errors[0].toStdString();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass outlived the error";
}

TEST_F(SaveForm, FourOnSheetSavesAtTheNewSizeOnlyOnceTheBackIsRenderedAgain)
{
    const QString bmp = path(QStringLiteral("card.bmp"));
    const QString jpg = path(QStringLiteral("card.jpg"));
    const auto saveBoth = [&] {
        dialogs.saveAnswers = {bmp, jpg};
        findControl<QAction>(*form, "SaveImageAsItem")->trigger();
        findControl<QAction>(*form, "SaveAsJpgItem")->trigger();
    };

    findControl<RadioGroup>(*form, "TypeOfDeckRadioGroup")->setChoice(Layout::FourOnSheet);
    saveBoth();
    EXPECT_EQ(readBack(bmp, "bmp").size(), QSize(1200, 800));
    EXPECT_EQ(readBack(jpg, "jpeg").size(), QSize(450, 300));

    form->DrawPostCardBack(form.get(), 1, 0, 0);
    ASSERT_EQ(form->state().BackSheetImage.size(), QSize(1100, 850));
    saveBoth();
    const QImage savedBmp = readBack(bmp, "bmp");
    EXPECT_EQ(savedBmp.size(), QSize(1100, 850));
    EXPECT_EQ(savedBmp.convertToFormat(QImage::Format_RGB32),
              form->state().BackSheetImage.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(readBack(jpg, "jpeg").size(), QSize(412, 318));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
}
