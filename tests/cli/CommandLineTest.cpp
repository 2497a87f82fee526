// The command line run as a user or a script runs it: the program in a process of its own, with
// no display and no platform chosen.
#include "app/TForm1.h"
#include "design/DesignFile.h"
#include "gfx/WholeFile.h"
#include "qtprinter/QtPrinterDevice.h"
#include "support/PdfRaster.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowControls.h"

#include <QBuffer>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

// Runs the program on `line` (arguments between spaces; "@name" is the file `name` in `dir`);
// returns its exit status and what it said on standard error.
std::pair<int, QString> run(const QString& line, const QTemporaryDir& dir)
{
    QStringList arguments;
    for (const QString& a : line.split(QLatin1Char(' ')))
        arguments << (a.startsWith(QLatin1Char('@')) ? dir.filePath(a.mid(1)) : a);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    // No spooler answers, so no printer is installed whatever this machine has.
    env.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/cups.sock"));
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TALMIRO_PROGRAM), arguments);
    const bool ended = program.waitForFinished(120000);
    return {ended && program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardError())};
}

SharedPicture picture(const QImage& image)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    image.save(&file, "PNG");
    CardPicture kept;
    kept.bytes = file.data();
    kept.fileName = QStringLiteral("picture.png");
    return SharedPicture(std::move(kept));
}

// A 4 on Sheet card whose parts are told apart: a front photo of two colours with its text, a
// corner picture, nudges unequal across and down, and the calendar turn, so that a back placed
// for the wrong turn or without its nudge differs.
CardDocument distinctCard()
{
    CardDocument card = defaultCardDocument();
    QImage image(1600, 1000, QImage::Format_RGB32);
    image.fill(QColor(40, 110, 230));
    QPainter(&image).fillRect(0, 0, 800, 500, QColor(230, 20, 20));
    card.corner = picture(image.copy(700, 400, 300, 200));
    card.front = picture(image);
    card.frontText = QStringLiteral("Greetings from Skye");
    card.layout = Layout::FourOnSheet;
    card.imageAdjust = 7;
    card.imageAdjustDown = -4;
    card.turn = SheetTurn::Calendar;
    return card;
}

QImage page(const QString& pdf, int number = 1)
{
    const QImage image = rasterisePdf(pdf, 200, Rasteriser::Poppler, nullptr, number);
    EXPECT_FALSE(image.isNull()) << pdf.toStdString();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(CommandLine, ExportsThePagesAndCardsTheWindowPrints)
{
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    saveDesignFile(distinctCard(), at("card.postcard"));
    // The window opens the design and prints, without a printer, to PDF files of its naming.
    const auto device = QtPrinterDevice::pdfFiles(dir.path());
    ScriptedDialogs dialogs;
    TForm1 form(dialogs, *device);
    form.openDesignAtStart({at("card.postcard")});
    form.guard([&] { form.FormActivate(); });
    const auto print = [&](const char* tab) {
        findControl<QTabWidget>(form, "PageControl1")
            ->setCurrentWidget(findControl<QWidget>(form, tab));
        findControl<QPushButton>(form, "PrintButton")->click();
        return page(device->lastPdfFile());
    };
    const QImage fronts = print("FrontTabSheet");
    const QImage backs = print("TextTabSheet");
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    ASSERT_FALSE(form.state().FrontSheetImage.isNull());

    for (const char* line : {"--export-pdf @fronts --side fronts @card.postcard",
                             "--export-pdf @backs --side backs @card.postcard",
                             "--export-pdf @both --side both @card.postcard",
                             "@card.postcard --side back --export-png @back.png",
                             "--export-png @front.png --side front @card.postcard"})
        ASSERT_EQ(run(QLatin1String(line), dir).first, 0) << line;
    EXPECT_TRUE(page(at("fronts")) == fronts);
    EXPECT_TRUE(page(at("backs")) == backs);
    EXPECT_EQ(pdfPageCount(at("both")), 2);
    EXPECT_TRUE(page(at("both"), 1) == fronts && page(at("both"), 2) == backs);
    // The cards as the window draws them (the back as Save Image BitMap saves it).
    const auto rgb = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_TRUE(rgb(QImage(at("back.png"))) == rgb(form.state().BackSheetImage));
    EXPECT_TRUE(rgb(QImage(at("front.png"))) == rgb(form.state().FrontSheetImage));
}

// What a Poppler tool says about `pdf`.
QString popplerSays(const char* tool, const QString& pdf)
{
    QProcess process;
    QStringList arguments{pdf};
    if (QLatin1String(tool) == QLatin1String("pdftotext"))
        arguments << QStringLiteral("-"); // to standard output
    process.start(QLatin1String(tool), arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

TEST(CommandLine, AFinePdfCarriesTheCardsTextInItsOwnFonts)
{
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    CardDocument card = distinctCard();
    card.title = QStringLiteral("Lighthouse Bay");
    saveDesignFile(card, at("card.postcard"));
    ASSERT_EQ(run(QStringLiteral("--export-pdf @fine --side both @card.postcard"), dir).first, 0);
    ASSERT_EQ(
        run(QStringLiteral("--quality as-shown --export-pdf @shown --side both @card.postcard"),
            dir)
            .first,
        0);
    // Every font embedded; the texts of both sides are text.
    const QStringList fonts =
        popplerSays("pdffonts", at("fine")).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    EXPECT_GE(fonts.size(), 2) << fonts.join('\n').toStdString();
    for (const QString& font : fonts)
        EXPECT_TRUE(font.contains(QStringLiteral(" yes "))) << font.toStdString();
    const QString text = popplerSays("pdftotext", at("fine")).simplified();
    for (const QString& said : {card.title, card.frontText, card.postCardText, card.stamp})
        EXPECT_TRUE(text.contains(said.simplified())) << said.toStdString();
    // As shown is the pages' pictures, without a letter of text.
    EXPECT_EQ(popplerSays("pdffonts", at("shown")).count(QLatin1Char('\n')), 2);
    EXPECT_TRUE(popplerSays("pdftotext", at("shown")).trimmed().isEmpty());
}

TEST(CommandLine, APrintShopPdfHasOneCardAPageWithItsBleedAndCropMarks)
{
    QTemporaryDir dir;
    CardDocument card = distinctCard();
    card.layout = Layout::LandscapeLandscape; // no frame: the photo meets the left and right edges
    // A run of two photos: each card's front and back in turn, the second card's front green.
    QImage green(1200, 800, QImage::Format_RGB32);
    green.fill(QColor(20, 200, 40));
    card.morePhotos = {picture(green)};
    saveDesignFile(card, dir.filePath(QStringLiteral("card.postcard")));
    ASSERT_EQ(
        run(QStringLiteral("--export-pdf @shop --for-print-shop --side both @card.postcard"), dir)
            .first,
        0);
    const QString pdf = dir.filePath(QStringLiteral("shop"));
    ASSERT_EQ(pdfPageCount(pdf), 4);
    const QColor second = page(pdf, 3).pixelColor(675, 475);
    EXPECT_TRUE(second.green() > 170 && second.red() < 60) << second.name().toStdString();
    // At 200 dpi a pixel is a sheet pixel: the 1200 x 800 card in 75 pixels of room for marks.
    const QImage front = page(pdf, 1);
    ASSERT_EQ(front.size(), QSize(1350, 950));
    const auto blue = [](QColor c) { return c.blue() > 180 && c.red() < 110; };
    // The photo reaches 1/8 inch (25 pixels) past the card's left and right edges, no further.
    EXPECT_TRUE(blue(front.pixelColor(75 - 12, 600)));
    EXPECT_TRUE(blue(front.pixelColor(75 + 1200 + 12, 600)));
    EXPECT_TRUE(isWhite(front.pixelColor(75 - 35, 600)));
    // Crop marks on the cut lines, outside the bleed (a hairline there straddles two pixels).
    const auto dark = [](QColor c) { return c.lightness() < 200; };
    const auto near = [](QRect found, QRect mark) { // each edge within a pixel
        return found.adjusted(-1, -1, 1, 1).contains(mark) &&
               mark.adjusted(-1, -1, 1, 1).contains(found);
    };
    for (const QImage& side : {front, page(pdf, 2)}) {
        EXPECT_TRUE(near(boundsOf(side, dark, QRect(0, 60, 60, 30)), QRect(0, 75, 44, 1)));
        EXPECT_TRUE(near(boundsOf(side, dark, QRect(1290, 860, 60, 30)), QRect(1306, 875, 44, 1)));
        EXPECT_TRUE(near(boundsOf(side, dark, QRect(60, 0, 30, 45)), QRect(75, 0, 1, 44)));
    }
}

TEST(CommandLine, RefusesWhatItCannotDoWithItsStatusAndLeavesNoFile)
{
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    CardDocument card = distinctCard();
    saveDesignFile(card, at("good.postcard"));
    writeWholeFile(at("damaged.postcard"), writeDesign(card).left(900));
    card.layout = Layout(-1);
    saveDesignFile(card, at("nolayout.postcard"));
    card.layout = Layout::FourOnSheet;
    card.front = SharedPicture();
    saveDesignFile(card, at("nofront.postcard"));
    const struct {
        const char* line;
        int status;
        const char* says;
    } cases[] = {
        {"--export-pdf @out --side fronts --frame @good.postcard", 2, "Unknown option --frame"},
        {"--export-pdf --side fronts @good.postcard", 2, "--export-pdf needs a value"},
        {"--export-png @out --side fronts @good.postcard", 2, "--side front|back"},
        {"--export-pdf @out --side backs @good.postcard @nofront.postcard", 2, "One design at"},
        {"--print --side backs", 2, "No design file"},
        {"--export-pdf @good.postcard --side backs @good.postcard", 2, "would replace the design"},
        {"--export-pdf @out --side both @damaged.postcard", 1, "damaged.postcard"},
        {"--export-pdf @no/out --side backs @good.postcard", 1, "its folder does not exist"},
        {"--export-png @no/out --side back @good.postcard", 1, "Cannot create file"},
        {"--export-pdf @out --side both @nofront.postcard", 1, "no picture for the postcard front"},
        {"--export-png @out --side front @nofront.postcard", 1, "no picture for the postcard"},
        {"--export-pdf @out --side backs @nolayout.postcard", 1, "No Post Card Back Layout is"},
        {"--print --side fronts --copies 2 @good.postcard", 1, "No printer is installed"},
        {"--export-pdf @out --side backs --layout a5-on-a4 @good.postcard", 2,
         "--layout takes \"Portrait - Portrait\" (portrait-portrait),"},
        // The run's layout in place of the design's none: it goes on as far as the folder.
        {"--export-pdf @no/out --side backs --layout SINGLE-a6 @nolayout.postcard", 1,
         "its folder does not exist"},
    };
    const auto files = [&] {
        return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    };
    const auto before = files();
    for (const auto& c : cases) {
        const auto [status, errors] = run(QLatin1String(c.line), dir);
        EXPECT_EQ(status, c.status) << c.line;
        EXPECT_TRUE(errors.contains(QLatin1String(c.says))) << c.line << "\n"
                                                            << errors.toStdString();
        // Said once, bad usage with the usage line; Qt's own remarks stay out.
        EXPECT_EQ(errors.count(QLatin1Char('\n')), c.status) << errors.toStdString();
        EXPECT_TRUE(files() == before) << c.line;
    }
}

// A design with an address list or several photos prints its whole run; --addresses puts another
// list in its place for one run, and a list that cannot be used writes nothing.
TEST(CommandLine, PrintsTheWholeRunOfAnAddressList)
{
    QTemporaryDir dir;
    const auto list = [&](const char* name, int count) {
        QByteArray csv = "Name;Street;City\n";
        for (int i = 0; i < count; ++i)
            csv += "N" + QByteArray::number(i) + ";S;C\n";
        writeWholeFile(dir.filePath(QLatin1String(name)), csv);
        return readAddressList(csv, QLatin1String(name));
    };
    CardDocument card = distinctCard();
    const AddressTable five = list("five.csv", 5);
    card.addresses = SharedAddressList(five);
    card.addressColumns = five.defaults;
    card.addressLines = AddressLines::Text;
    saveDesignFile(card, dir.filePath(QStringLiteral("card.postcard")));
    list("nine.csv", 9);
    writeWholeFile(dir.filePath(QStringLiteral("bad.csv")), "Name,Street\nA,\"B\n");
    EXPECT_EQ(run(QStringLiteral("--export-pdf @five.pdf --side both @card.postcard"), dir).first,
              0);
    EXPECT_EQ(pdfPageCount(dir.filePath(QStringLiteral("five.pdf"))), 4);
    // Nine photos beside the five addresses: a run of nine cards, three sheets of fronts.
    CardDocument photos = card;
    photos.morePhotos.assign(8, card.front);
    saveDesignFile(photos, dir.filePath(QStringLiteral("photos.postcard")));
    EXPECT_EQ(
        run(QStringLiteral("--export-pdf @photos.pdf --side fronts @photos.postcard"), dir).first,
        0);
    EXPECT_EQ(pdfPageCount(dir.filePath(QStringLiteral("photos.pdf"))), 3);
    EXPECT_EQ(run(QStringLiteral("--export-pdf @nine.pdf --side backs --addresses @nine.csv "
                                 "@card.postcard"),
                  dir)
                  .first,
              0);
    EXPECT_EQ(pdfPageCount(dir.filePath(QStringLiteral("nine.pdf"))), 3);
    const auto [status, said] = run(
        QStringLiteral("--export-pdf @bad.pdf --side backs --addresses @bad.csv @card.postcard"),
        dir);
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(said.contains(QStringLiteral("(line 2)"))) << said.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("bad.pdf"))));
}
