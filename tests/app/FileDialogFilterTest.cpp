// The real file dialogs, with the settings the window gives them, list the pictures each
// command can use and nothing else, whatever case a camera wrote the extension in.
#include "app/QtDialogs.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/FormFixture.h"
#include "support/WindowControls.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace
{

class FileDialogFilter : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        for (const char* name :
             {"corner.bmp", "sea.jpg", "hills.jpeg", "IMG_0042.JPG", "scan.BMP", "drawing.png",
              "notes.txt", "IMG_1234.HEIC", "web.webp", "scan.tif", "banner.avif"})
            writeEmpty(QString::fromLatin1(name));
        QDir(folder.path()).mkdir(QStringLiteral("holiday"));
        device = QtPrinterDevice::pdfFiles(folder.path());
        real = std::make_unique<QtDialogs>(*device);
    }

    void writeEmpty(const QString& name)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    // The files (not folders) the dialog lists once it has read the folder, `expected` of
    // them at least (the folder is read in the background); the dialog is then cancelled.
    QStringList listed(const std::function<void(QtDialogs&, FileDialogSettings)>& open,
                       FileDialogSettings settings, const QStringList& expected)
    {
        settings.initialDir = folder.path();
        QStringList files;
        bool seen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog || seen)
                return;
            seen = true;
            filters = dialog->nameFilters();
            if (auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"))) {
                (void)QTest::qWaitFor([&] { return filesIn(*view).size() >= expected.size(); },
                                      10000);
                files = filesIn(*view);
            }
            dialog->reject();
        });
        poll.start(10);
        open(*real, settings);
        EXPECT_TRUE(seen);
        files.sort();
        return files;
    }

    QStringList filesIn(const QListView& view) const
    {
        QStringList names;
        const QAbstractItemModel* model = view.model();
        for (int row = 0; row < model->rowCount(view.rootIndex()); ++row) {
            const QModelIndex index = model->index(row, 0, view.rootIndex());
            const QString name = index.data().toString();
            if (QFileInfo(folder.filePath(name)).isFile() && (index.flags() & Qt::ItemIsEnabled))
                names << name;
        }
        return names;
    }

    QStringList filters; // the last dialog's
    QTemporaryDir folder;
    std::unique_ptr<QtPrinterDevice> device;
    std::unique_ptr<QtDialogs> real;
};

const auto openDialog = [](QtDialogs& d, FileDialogSettings s) { d.openPicture(s); };
const auto saveDialog = [](QtDialogs& d, FileDialogSettings s) { d.savePicture(s); };

} // namespace

TEST_F(FileDialogFilter, PictureDialogsListEveryPictureInEitherCase)
{
    // Every picture the program reads (PNG, HEIC, WebP, TIFF, AVIF too), not the notes.
    const QStringList pictures{"IMG_0042.JPG", "IMG_1234.HEIC", "banner.avif", "corner.bmp",
                               "drawing.png",  "hills.jpeg",    "scan.BMP",    "scan.tif",
                               "sea.jpg",      "web.webp"};
    EXPECT_EQ(listed(openDialog, form->state().OpenPictureDialog1, pictures), pictures);
    EXPECT_EQ(listed(openDialog, form->state().FrontOpenPictureDialog, pictures), pictures);
    // A picture named otherwise can still be chosen: the last entry lists every file.
    ASSERT_FALSE(filters.isEmpty());
    EXPECT_TRUE(filters.constFirst().startsWith(QStringLiteral("All pictures (")));
    EXPECT_EQ(filters.constLast(), QStringLiteral("All files (*)"));
    for (const char* name : {"HEIC (", "AVIF (", "WebP (", "TIFF (", "JPEG (", "PNG ("})
        EXPECT_TRUE(std::any_of(filters.begin(), filters.end(), [&](const QString& f) {
            return f.startsWith(QLatin1String(name));
        })) << name;
}

TEST_F(FileDialogFilter, SaveDialogsListTheFilesOfTheirOwnFormat)
{
    // The settings each save command gives its dialog (cancelled here by the script).
    findControl<QAction>(*form, "SaveImageAsItem")->trigger();
    findControl<QAction>(*form, "SaveAsJpgItem")->trigger();
    ASSERT_EQ(dialogs.saveShown.size(), 2u);
    const QStringList bitmaps{"corner.bmp", "scan.BMP"};
    EXPECT_EQ(listed(saveDialog, dialogs.saveShown[0], bitmaps), bitmaps);
    const QStringList jpegs{"IMG_0042.JPG", "sea.jpg"};
    EXPECT_EQ(listed(saveDialog, dialogs.saveShown[1], jpegs), jpegs);
}
