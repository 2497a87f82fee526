#include "CommandLine.h"

#include "CardOutput.h"
#include "design/DesignPictures.h"
#include "document/CardSettings.h"
#include "geometry/SheetLayout.h"
#include "gfx/AppError.h"
#include "gfx/Language.h"
#include "gfx/SheetText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace
{

const char* const ProgramFile = "talmiro-postcard-print";

enum class Action { None, ExportPdf, ExportPng, Print, Help, Version };

struct Request {
    Action action = Action::None;
    QString option; // the action's option as given
    QString output;
    QString side;
    QString printer;
    std::optional<int> copies;
    bool yes = false;
    QString addresses;            // a list used in place of the design's for this run
    std::optional<Layout> layout; // used in place of the design's for this run
    PrintQuality quality = PrintQuality::Fine;
    bool forPrintShop = false;
    QString design;
};

// Arguments that cannot be run; said with the usage line, exit status 2.
struct UsageError {
    QString text;
};

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The short name of each built-in layout on the command line, in the order of AllLayouts.
const char* const ShortLayoutNames[] = {"portrait-portrait", "landscape-landscape",
                                        "single-4x6",        "4-on-sheet",
                                        "a6-on-a4",          "single-a6"};

// A name as typed and as listed compare alike: in lower case, words joined by single hyphens.
QString plainName(const QString& name)
{
    QStringList words;
    QString word;
    for (const QChar c : name.toLower() + QLatin1Char(' ')) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    return words.join(QLatin1Char('-'));
}

Layout layoutNamed(const QString& name)
{
    const QString plain = plainName(name);
    QStringList offered;
    for (std::size_t i = 0; i < std::size(AllLayouts); ++i) {
        const QString shortName = QLatin1String(ShortLayoutNames[i]);
        if (plain == plainName(layoutName(AllLayouts[i])) || plain == shortName)
            return AllLayouts[i];
        offered << QStringLiteral("\"%1\" (%2)").arg(layoutName(AllLayouts[i]), shortName);
    }
    throw UsageError{
        QCoreApplication::translate("CommandLine", "There is no layout \"%1\"; --layout takes %2.")
            .arg(name, offered.join(QStringLiteral(", ")))};
}

bool isOption(const QString& argument)
{
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

Request parse(const QStringList& arguments)
{
    Request r;
    const auto setAction = [&r](Action action, const QString& option) {
        if (r.action != Action::None)
            throw UsageError{QCoreApplication::translate("CommandLine",
                                                         "%1 and %2 cannot be asked for together.")
                                 .arg(r.option, option)};
        r.action = action;
        r.option = option;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const auto value = [&]() {
            if (i + 1 >= arguments.size() || isOption(arguments[i + 1]))
                throw UsageError{
                    QCoreApplication::translate("CommandLine", "%1 needs a value.").arg(a)};
            return arguments[++i];
        };
        if (a == QLatin1String("--help") || a == QLatin1String("-h") ||
            a == QLatin1String("--version")) {
            Request asked;
            asked.action = a == QLatin1String("--version") ? Action::Version : Action::Help;
            return asked;
        }
        if (a == QLatin1String("--export-pdf")) {
            setAction(Action::ExportPdf, a);
            r.output = value();
        } else if (a == QLatin1String("--export-png")) {
            setAction(Action::ExportPng, a);
            r.output = value();
        } else if (a == QLatin1String("--print")) {
            setAction(Action::Print, a);
        } else if (a == QLatin1String("--side")) {
            r.side = value();
        } else if (a == QLatin1String("--printer")) {
            r.printer = value();
        } else if (a == QLatin1String("--copies")) {
            // The range of the window's Number of Copies.
            const CardSetting& setting = *cardSetting(QStringLiteral("print.copies"));
            bool number = false;
            const int copies = value().toInt(&number);
            if (!number || copies < setting.minimum || copies > setting.maximum)
                throw UsageError{QCoreApplication::translate(
                                     "CommandLine", "--copies takes a number from %1 to %2.")
                                     .arg(setting.minimum)
                                     .arg(setting.maximum)};
            r.copies = copies;
        } else if (a == QLatin1String("--yes")) {
            r.yes = true;
        } else if (a == QLatin1String("--addresses")) {
            r.addresses = value();
        } else if (a == QLatin1String("--layout")) {
            r.layout = layoutNamed(value());
        } else if (a == QLatin1String("--for-print-shop")) {
            r.forPrintShop = true;
        } else if (a == QLatin1String("--quality")) {
            const QString quality = value();
            if (quality != QLatin1String("fine") && quality != QLatin1String("as-shown"))
                throw UsageError{QCoreApplication::translate("CommandLine",
                                                             "--quality takes fine or as-shown.")};
            r.quality =
                quality == QLatin1String("fine") ? PrintQuality::Fine : PrintQuality::AsShown;
        } else if (isOption(a)) {
            throw UsageError{
                QCoreApplication::translate("CommandLine", "Unknown option %1.").arg(a)};
        } else if (!r.design.isEmpty()) {
            throw UsageError{QCoreApplication::translate(
                                 "CommandLine", "One design at a time: %1 and %2 were given.")
                                 .arg(r.design, a)};
        } else {
            r.design = a;
        }
    }
    if (r.action == Action::None)
        throw UsageError{QCoreApplication::translate(
            "CommandLine", "No action: --export-pdf, --export-png or --print.")};
    if (r.forPrintShop && r.action != Action::ExportPdf)
        throw UsageError{QCoreApplication::translate(
            "CommandLine", "--for-print-shop goes with --export-pdf only.")};
    if (r.action != Action::Print && (!r.printer.isEmpty() || r.copies || r.yes))
        throw UsageError{QCoreApplication::translate(
            "CommandLine", "--printer, --copies and --yes go with --print only.")};
    const QStringList sides = r.action == Action::ExportPng
                                  ? QStringList{QStringLiteral("front"), QStringLiteral("back")}
                                  : QStringList{QStringLiteral("fronts"), QStringLiteral("backs"),
                                                QStringLiteral("both")};
    if (!sides.contains(r.side))
        throw UsageError{QCoreApplication::translate("CommandLine", "%1 needs --side %2.")
                             .arg(r.option, sides.join(QLatin1Char('|')))};
    if (r.design.isEmpty())
        throw UsageError{QCoreApplication::translate("CommandLine", "No design file is given.")};
    // A slip of the arguments' order must not put a PDF in place of the design.
    if (!r.output.isEmpty() &&
        QFileInfo(r.output).absoluteFilePath() == QFileInfo(r.design).absoluteFilePath())
        throw UsageError{
            QCoreApplication::translate("CommandLine", "The output would replace the design %1.")
                .arg(r.design)};
    return r;
}

void say(std::FILE* stream, const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}

QString usageLine()
{
    return QCoreApplication::translate("CommandLine",
                                       "Usage: %1 (--export-pdf OUT.pdf [--for-print-shop] | "
                                       "--export-png OUT.png | --print) "
                                       "--side SIDE [--quality fine|as-shown] [--printer NAME] "
                                       "[--copies N] [--yes] DESIGN.postcard; "
                                       "--help tells more.")
        .arg(QLatin1String(ProgramFile));
}

QString helpText()
{
    const CardSetting& copies = *cardSetting(QStringLiteral("print.copies"));
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: %1 [OPTION...] DESIGN.postcard\n"
               "Prints or exports a postcard design without a window; a design alone opens it in "
               "the window.\n\n"
               "  --export-pdf OUT.pdf --side fronts|backs|both\n"
               "      the pages as Print makes them without a printer, on the layout's paper\n"
               "      (both: the fronts, then the backs placed for the design's sheet turn);\n"
               "      --for-print-shop: one card a page at its real size, with a bleed of 1/8 "
               "inch\n"
               "      and crop marks\n"
               "  --export-png OUT.png --side front|back\n"
               "      one card at sheet resolution (the back as Save Image BitMap saves it)\n"
               "  --print --side fronts|backs|both [--printer NAME] [--copies N] [--yes]\n"
               "      prints on the default printer or NAME; both prints the two sides in one go\n"
               "      on a printer that can; --copies from %2 to %3 replaces the design's;\n"
               "      --yes prints even when the paper cuts the cards\n"
               "  --quality fine|as-shown\n"
               "      with --export-pdf and --print: fine (the default) draws the pages at the\n"
               "      printer's resolution, text as text; as-shown stretches the 200 dpi pages\n"
               "  --help, --version\n\n"
               "Exit status: 0 done, 1 an error (nothing is written), 2 bad usage.")
               .arg(QLatin1String(ProgramFile))
               .arg(copies.minimum)
               .arg(copies.maximum) +
           QLatin1Char('\n') +
           QCoreApplication::translate(
               "CommandLine",
               "With any action, --addresses LIST (a CSV or vCard file) prints a card for each of "
               "its addresses in place of the design's address list.") +
           QLatin1Char('\n') +
           QCoreApplication::translate(
               "CommandLine",
               "With any action, --layout NAME puts the cards on another layout for one run: "
               "\"4 A6 on A4\" (or a6-on-a4), \"Single A6\" (single-a6) or one of the four of "
               "the window, named in any case. A layout whose paper the printer does not offer "
               "prints on the printer's paper with --yes only.");
}

PrintSide printSideOf(const QString& side)
{
    if (side == QLatin1String("fronts"))
        return PrintSide::Fronts;
    return side == QLatin1String("backs") ? PrintSide::Backs : PrintSide::Both;
}

// Reads the design and does what was asked; returns a note for the user, if any.
QString run(const Request& r)
{
    CardDocument card = loadDesignFile(r.design, defaultCardDocument());
    decodeDesignPictures(card, r.design);
    if (!r.addresses.isEmpty()) {
        // The design's columns where the other list has the same header, else its own defaults.
        AddressTable list = loadAddressList(r.addresses);
        if (!card.addresses || card.addresses->header != list.header)
            card.addressColumns = list.defaults;
        card.addresses = SharedAddressList(std::move(list));
        card.addressLines = AddressLines::Text;
    }
    if (r.layout)
        card.layout = *r.layout;
    switch (r.action) {
    case Action::ExportPdf:
        if (r.forPrintShop)
            exportPrintShopPdf(card, printSideOf(r.side), r.output);
        else
            exportPdf(card, printSideOf(r.side), r.output, r.quality);
        return {};
    case Action::ExportPng:
        exportPng(card, r.side == QLatin1String("front") ? CardFace::Front : CardFace::Back,
                  r.output);
        return {};
    default:
        break;
    }
    if (r.copies)
        card.copies = *r.copies;
    return printOnQueue(card, printSideOf(r.side), {r.printer, r.yes, r.quality});
}

} // namespace

bool wantsCommandLine(int argc, char** argv)
{
    const QStringList arguments = argumentsOf(argc, argv);
    return std::any_of(arguments.begin(), arguments.end(), isOption);
}

void nameApplication(const QString& version)
{
    QCoreApplication::setApplicationName(QStringLiteral("Talmiro Postcard Print"));
    QCoreApplication::setApplicationVersion(version);
    QCoreApplication::setOrganizationName(QStringLiteral("Talmiro Inc"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ProgramFile));
}

int runCommandLine(int argc, char** argv, const QString& version)
{
    // The arguments as given, before the application takes Qt's own options out of them.
    const QStringList arguments = argumentsOf(argc, argv);
    // Standard error is the user's: Qt's remarks (a runtime folder it would like) stay out of it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            say(stderr, text);
    });
    // No display is needed: the pages are drawn in memory, with the fonts the window uses.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    nameApplication(version);
    installFontSubstitutions();
    // The help and the messages in the system's language, as the window speaks it.
    installLanguage(app, systemLanguage());
    Request request;
    try {
        request = parse(arguments);
    } catch (const UsageError& e) {
        say(stderr, QStringLiteral("%1: %2").arg(QLatin1String(ProgramFile), e.text));
        say(stderr, usageLine());
        return 2;
    }
    if (request.action == Action::Help) {
        say(stdout, helpText());
        return 0;
    }
    if (request.action == Action::Version) {
        say(stdout, QStringLiteral("Talmiro Postcard Print %1").arg(version));
        return 0;
    }
    try {
        const QString note = run(request);
        if (!note.isEmpty())
            say(stderr, note);
        return 0;
    } catch (const AppError& e) {
        say(stderr, e.text());
    } catch (const std::exception& e) {
        say(stderr, QCoreApplication::translate("CommandLine", "Nothing was done: %1")
                        .arg(QString::fromLocal8Bit(e.what())));
    }
    return 1;
}
