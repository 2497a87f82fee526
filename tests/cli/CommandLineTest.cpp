// The command line run as a user or a script runs it: the program in a process of its own, with
// no display and no platform chosen.
#include "app/TForm1.h"
#include "design/DesignFile.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/PdfRaster.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowControls.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

struct Outcome {
    int status = -1;
    QString errors; // what it said on standard error
};

Outcome run(const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    // No spooler answers, so no printer is installed whatever this machine has.
    env.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TALMIRO_PROGRAM), arguments);
    if (!program.waitForFinished(120000) || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), QString::fromLocal8Bit(program.readAllStandardError())};
}

QByteArray pngBytes(const QImage& image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

SharedPicture picture(const QImage& image, const QString& name)
{
    CardPicture p;
    p.bytes = pngBytes(image);
    p.fileName = name;
    return SharedPicture(std::move(p));
}

// A 4 on Sheet card whose parts are told apart: a front photo of four colours with its text, a
// corner picture, nudges unequal across and down, and the calendar turn, so that a back placed
// for the wrong turn or without its nudge differs.
CardDocument distinctCard()
{
    CardDocument card = defaultCardDocument();
    card.title = QStringLiteral("Harbour at dusk");
    card.address = QStringLiteral("Ana Ruiz\n12 Quay Street\nPortree");
    card.lowerLeftCorner = LowerLeftCorner::Image;
    QImage corner(300, 200, QImage::Format_RGB32);
    corner.fill(QColor(20, 160, 60));
    QPainter(&corner).fillRect(0, 0, 150, 200, QColor(240, 200, 20));
    card.corner = picture(corner, QStringLiteral("corner.png"));
    QImage front(1600, 1000, QImage::Format_RGB32);
    front.fill(QColor(40, 110, 230));
    {
        QPainter p(&front);
        p.fillRect(0, 0, 800, 500, QColor(230, 20, 20));
        p.fillRect(800, 500, 800, 500, QColor(250, 250, 120));
    }
    card.front = picture(front, QStringLiteral("front.png"));
    card.frontText = QStringLiteral("Greetings from Skye");
    card.FrontTextColour = TColors::White;
    card.layout = Layout::FourOnSheet;
    card.imageAdjust = 7;
    card.imageAdjustDown = -4;
    card.turn = SheetTurn::Calendar;
    return card;
}

QImage page(const QString& pdf, int number = 1)
{
    QString error;
    const QImage image = rasterisePdf(pdf, 200, Rasteriser::Poppler, &error, number);
    EXPECT_FALSE(image.isNull()) << pdf.toStdString() << ": " << error.toStdString();
    return image.convertToFormat(QImage::Format_RGB32);
}

// Each file under `dir` with its bytes.
std::map<QString, QByteArray> filesIn(const QString& dir)
{
    std::map<QString, QByteArray> files;
    for (QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        files[file.fileName()] = file.readAll();
    }
    return files;
}

} // namespace

TEST(CommandLine, ExportsThePagesAndCardsTheWindowPrints)
{
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("harbour.postcard"));
    saveDesignFile(distinctCard(), design);

    // The window opens the design and prints, without a printer, to PDF files of its naming.
    QDir(dir.path()).mkdir(QStringLiteral("window"));
    const auto device = QtPrinterDevice::pdfFiles(dir.filePath(QStringLiteral("window")));
    ScriptedDialogs dialogs;
    TForm1 form(dialogs, *device);
    form.openDesignAtStart({design});
    form.guard([&] { form.FormActivate(); });
    auto* tabs = findControl<QTabWidget>(form, "PageControl1");
    const auto print = [&](const char* tab) {
        tabs->setCurrentWidget(findControl<QWidget>(form, tab));
        findControl<QPushButton>(form, "PrintButton")->click();
        return device->lastPdfFile();
    };
    const QString windowFronts = print("FrontTabSheet");
    const QString windowBacks = print("TextTabSheet");
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    ASSERT_NE(windowFronts, windowBacks);

    const auto out = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    for (const char* side : {"fronts", "backs", "both"})
        ASSERT_EQ(run({QStringLiteral("--export-pdf"), out(side), QStringLiteral("--side"),
                       QLatin1String(side), design})
                      .status,
                  0)
            << side;
    ASSERT_EQ(run({design, QStringLiteral("--side"), QStringLiteral("back"),
                   QStringLiteral("--export-png"), out("back.png")})
                  .status,
              0);
    ASSERT_EQ(run({QStringLiteral("--export-png"), out("front.png"), QStringLiteral("--side"),
                   QStringLiteral("front"), design})
                  .status,
              0);

    const QImage fronts = page(windowFronts);
    const QImage backs = page(windowBacks);
    EXPECT_TRUE(page(out("fronts")) == fronts);
    EXPECT_TRUE(page(out("backs")) == backs);
    EXPECT_EQ(pdfPageCount(out("both")), 2);
    EXPECT_TRUE(page(out("both"), 1) == fronts);
    EXPECT_TRUE(page(out("both"), 2) == backs);
    // The pages are not blank: the photo's colours are on the fronts.
    EXPECT_FALSE(boundsOf(fronts, isMarkerRed).isNull());
    // The cards as the window draws them (the back as Save Image BitMap saves it).
    ASSERT_FALSE(form.state().FrontSheetImage.isNull());
    EXPECT_TRUE(QImage(out("back.png")).convertToFormat(QImage::Format_RGB32) ==
                form.state().BackSheetImage.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(QImage(out("front.png")).convertToFormat(QImage::Format_RGB32) ==
                form.state().FrontSheetImage.convertToFormat(QImage::Format_RGB32));
}

TEST(CommandLine, RefusesWhatItCannotDoWithItsStatusAndLeavesNoFile)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    const CardDocument good = distinctCard();
    saveDesignFile(good, path("good.postcard"));
    CardDocument noFront = good;
    noFront.front = SharedPicture();
    saveDesignFile(noFront, path("nofront.postcard"));
    CardDocument noLayout = good;
    noLayout.layout = Layout(-1);
    saveDesignFile(noLayout, path("nolayout.postcard"));
    const QByteArray bytes = writeDesign(good);
    QFile damaged(path("damaged.postcard"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytes.left(bytes.size() / 2));
    damaged.close();

    const struct {
        QStringList arguments; // "@name" stands for the file `name` in the folder
        int status;
        const char* says;
    } cases[] = {
        {{"--export-pdf", "@out.pdf", "--side", "fronts", "--frame", "@good.postcard"},
         2,
         "Unknown option --frame"},
        {{"--export-pdf", "--side", "fronts", "@good.postcard"}, 2, "--export-pdf needs a value"},
        {{"--export-png", "@out.png", "--side", "fronts", "@good.postcard"},
         2,
         "--side front|back"},
        {{"--export-pdf", "@out.pdf", "--side", "sideways", "@good.postcard"},
         2,
         "--side fronts|backs|both"},
        {{"--export-pdf", "@out.pdf", "--side", "backs", "@good.postcard", "@nofront.postcard"},
         2,
         "One design at a time"},
        {{"--export-pdf", "@out.pdf", "--side", "backs"}, 2, "No design file"},
        {{"--export-pdf", "@good.postcard", "--side", "backs", "@good.postcard"},
         2,
         "would replace the design"},
        {{"--print", "--side", "backs", "--copies", "5", "@good.postcard"},
         2,
         "--copies takes a number from 1 to 4"},
        {{"--export-png", "@out.png", "--side", "back", "--copies", "2", "@good.postcard"},
         2,
         "with --print only"},
        {{"--export-pdf", "@out.pdf", "--side", "both", "@damaged.postcard"},
         1,
         "damaged.postcard"},
        {{"--export-pdf", "@missing/out.pdf", "--side", "backs", "@good.postcard"},
         1,
         "its folder does not exist"},
        {{"--export-png", "@missing/out.png", "--side", "back", "@good.postcard"},
         1,
         "Cannot create file"},
        {{"--export-pdf", "@out.pdf", "--side", "both", "@nofront.postcard"},
         1,
         "There is no picture for the postcard front yet"},
        {{"--export-png", "@out.png", "--side", "front", "@nofront.postcard"},
         1,
         "There is no picture for the postcard front yet"},
        {{"--export-pdf", "@out.pdf", "--side", "backs", "@nolayout.postcard"},
         1,
         "No Post Card Back Layout is chosen"},
        {{"--print", "--side", "fronts", "--yes", "@good.postcard"},
         1,
         "No printer is installed, so nothing was printed."},
        {{"--print", "--side", "both", "--printer", "Nowhere", "@good.postcard"},
         1,
         "The printer \"Nowhere\" is not installed"},
    };
    const auto before = filesIn(dir.path());
    for (const auto& c : cases) {
        QStringList arguments;
        for (const QString& a : c.arguments)
            arguments << (a.startsWith(QLatin1Char('@')) ? dir.filePath(a.mid(1)) : a);
        const Outcome result = run(arguments);
        const std::string shown = arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(result.status, c.status) << shown;
        EXPECT_TRUE(result.errors.contains(QLatin1String(c.says))) << shown << "\n"
                                                                   << result.errors.toStdString();
        // Said once, and bad usage with the usage line; Qt's own remarks stay out.
        EXPECT_EQ(result.errors.count(QLatin1Char('\n')), c.status) << shown;
        EXPECT_EQ(result.errors.contains(QLatin1String("Usage:")), c.status == 2) << shown;
        EXPECT_TRUE(filesIn(dir.path()) == before) << shown;
    }
}
