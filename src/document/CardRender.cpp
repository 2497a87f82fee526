#include "CardRender.h"

#include "back/CornerImage.h"
#include "gfx/AppError.h"
#include "gfx/SheetText.h"
#include "print/PrinterDevice.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>
#include <map>

namespace
{

QFont pixelFont(const char* face, int pixels, bool bold = false, int stretch = QFont::Unstretched)
{
    QFont f{QString::fromLatin1(face)};
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStretch(stretch);
    return f;
}

// The widths the memos' lines take: each memo's width on the form less its frame of 1 pixel and
// its document's margin of 4 at either side.
constexpr qreal MemoChrome = 2 * (1 + 4);
constexpr qreal TitleTextWidth = 273 - MemoChrome;
constexpr qreal DescTextWidth = 273 - MemoChrome;
constexpr qreal VerticalTextWidth = 258 - MemoChrome;
constexpr qreal StampTextWidth = 73 - MemoChrome;
constexpr qreal LowerLeftTextWidth = 185 - MemoChrome;
constexpr qreal AddressTextWidth = 217 - MemoChrome;
constexpr qreal FrontTextWidth = 257 - MemoChrome;

} // namespace

QFont windowFont()
{
    // The face that stands in for "MS Sans Serif" is a little wider than it: at 95 per cent of
    // its width every caption fits the room the window's table gives it.
    return pixelFont("MS Sans Serif", 11, false, 95);
}

QString noLayoutText()
{
    return QCoreApplication::translate("TForm1",
                                       "No Post Card Back Layout is chosen, so nothing was "
                                       "printed. Choose one and print again.");
}

QString noFrontPictureText()
{
    return QCoreApplication::translate("TForm1",
                                       "There is no picture for the postcard front yet, so "
                                       "nothing was printed. Click the front preview to open a "
                                       "picture, then print again.");
}

QString noListAddressesText()
{
    return QCoreApplication::translate(
        "TForm1", "None of the address list's addresses has more than a name in the columns "
                  "chosen, so nothing was printed. Choose the columns with Files > Address "
                  "List... and print again.");
}

QString oneSidedPrinterText()
{
    return QCoreApplication::translate(
        "TForm1", "This printer cannot print both sides of a sheet, so this is not "
                  "available: print the fronts, turn the sheet over and print the backs, or "
                  "choose a printer that prints both sides with Printer Setup.");
}

const TextBox& cardTextBox(CardText text)
{
    // The memos' fonts and the widths of their text areas on the window, whose form gives the
    // memos' sizes at 96 pixels per inch; the face "MS Sans Serif" is the window's own.
    static const TextBox boxes[] = {
        {pixelFont("Arial", 12, true), TitleTextWidth, Qt::AlignHCenter},
        {pixelFont("Arial", 11), DescTextWidth, Qt::AlignLeft},
        {pixelFont("Arial", 11), VerticalTextWidth, Qt::AlignHCenter},
        {pixelFont("Times New Roman", 13), StampTextWidth, Qt::AlignHCenter},
        {windowFont(), LowerLeftTextWidth, Qt::AlignLeft},
        {windowFont(), AddressTextWidth, Qt::AlignLeft},
        {windowFont(), FrontTextWidth, Qt::AlignLeft},
    };
    return boxes[int(text)];
}

CardBackInput cardBackInput(const CardDocument& card, const PrinterMetrics& metrics)
{
    CardBackInput in;
    in.postalBarCodeText = card.postalBarCodeText;
    in.postCardText = card.postCardText;
    in.addressLinesChoice = card.addressLines;
    in.separatorChoice = card.addressSeparator;
    in.stampBorderChoice = card.stampBorder;
    in.postalBarCodeBoxChoice = card.postalBarCodeBox;
    in.lowerLeftCornerChoice = card.lowerLeftCorner;
    in.postCardChoice = card.postCard;
    std::copy_n(card.AreaStyleTable.begin(), AreaCount, in.styles.begin());
    if (card.corner) {
        in.cornerImage = card.corner->image;
        in.cornerImageSize = card.corner->size;
    } else {
        in.cornerImage = newCornerImage();
        in.cornerImageSize = in.cornerImage.size();
    }
    in.cornerChosen = card.cornerChosen();
    const QSize sheet = cardSizeOf(card.layout);
    in.sheetWidth = sheet.width();
    in.sheetHeight = sheet.height();
    in.layout = card.layout;
    in.metrics = metrics;

    // Only as many lines as the card can show: a text may hold a whole book.
    const auto lines = [&in](const QString& text, CardText box, Area area) {
        return displayedLines(text, cardTextBox(box), visibleLineLimit(in, area));
    };
    in.titleLines = lines(card.title, CardText::Title, Area::Title);
    in.descLines = lines(card.description, CardText::Description, Area::Descriptive);
    in.lowerLeftLines = lines(card.lowerLeftText, CardText::LowerLeftText, Area::LowerLeftText);
    in.createdByLines = lines(card.verticalText, CardText::VerticalText, Area::Separator);
    in.stampLines = lines(card.stamp, CardText::Stamp, Area::Stamp);
    in.addressLines = lines(card.address, CardText::Address, Area::Address);
    return in;
}

QImage renderBack(const CardDocument& card, const PrinterMetrics& metrics)
{
    QImage sheet;
    renderCardBack(sheet, cardBackInput(card, metrics));
    return sheet;
}

FrontComposition frontComposition(const CardDocument& card, const PrinterMetrics& metrics)
{
    FrontComposition front;
    front.card = frontCardForLayout(card.layout, metrics);
    if (card.hasFrontPicture()) {
        front.picture = card.front->image;
        front.pictureSize = card.front->size;
        front.pictureTurned = card.front->turned;
    }
    front.size = card.imageSize;
    front.hOffset = card.imageHOffset;
    front.vOffset = card.imageVOffset;
    front.lines = displayedLines(
        card.frontText, cardTextBox(CardText::Front),
        linesWithin(frontSheetFont(card.FrontFont), std::max(front.card.width, front.card.height)));
    front.font = card.FrontFont;
    front.colour = card.FrontTextColour;
    // Upward text from the horizontal text's start would run off the top of the card at once.
    const QPoint start = front.pictureTurned && !card.FrontTextPicked
                             ? turnedFrontTextStart(front.card)
                             : QPoint(card.FrontTextX, card.FrontTextY);
    front.textX = start.x();
    front.textY = start.y();
    return front;
}

QImage renderFront(const CardDocument& card, const PrinterMetrics& metrics)
{
    // A front is never fitted to a picture without pixels.
    if (!card.hasFrontPicture())
        return {};
    return composeFront(frontComposition(card, metrics));
}

void applyLayoutToPrinter(PrinterDevice& printer, Layout layout)
{
    if (const auto sheet = sheetLayoutAt(layout)) {
        printer.setOrientation(sheet->orientation);
        printer.setLayoutPaper(sheet->paper);
    }
}

bool agreeOnPaper(PrinterDevice& printer, Layout layout,
                  const std::function<bool(const QString&)>& ask)
{
    const auto sheet = sheetLayoutAt(layout);
    if (!sheet || isFirstLayout(layout))
        return true;
    std::vector<QPageSize> papers{sheet->paper};
    // A single A6 card lies centred on 4 x 6 inch photo paper as well.
    if (layout == Layout::SingleA6)
        papers.push_back(sheetLayoutAt(Layout::SingleOn4x6)->paper);
    const QPageSize now = printer.currentPaper();
    for (const QPageSize& paper : papers)
        if (samePaper(paper, now) || printer.takePaper(paper))
            return true;
    return ask(QCoreApplication::translate("CardRender",
                                           "The printer offers no %1 paper, which the layout "
                                           "\"%2\" is made for. Print on %3 paper instead?")
                   .arg(paperName(sheet->paper.size(QPageSize::Inch)), layoutName(layout),
                        paperName(now.size(QPageSize::Inch))));
}

PreparedPrint preparePrint(PrinterDevice& printer, const CardDocument& card, PrintSide side,
                           SheetTurn turn, PrintSides sides, PrintQuality quality)
{
    PreparedPrint p;
    p.side = side;
    p.sides = sides;
    p.quality = quality;
    p.turn = turn;
    p.copies = card.copies;
    // Read afresh: figures read before the layout turned the printer would put the fronts off
    // the backs by the difference of the margins.
    p.metrics = ReadPrinterMetrics(printer);
    const auto layout = sheetLayoutAt(card.layout);
    if (!layout)
        throw AppError(noLayoutText());
    p.layout = layout->kind;
    p.card = card;
    p.run = cardRun(card);
    if (p.run.list && p.run.addresses == 0)
        throw AppError(noListAddressesText());
    if (side != PrintSide::Backs) {
        // Before the first front picture there is no front: a blank page would waste paper.
        if (!card.hasFrontPicture())
            throw AppError(noFrontPictureText());
        p.front = frontComposition(card, p.metrics);
        p.frontPage = frontPageOfSheet(p, 0);
    }
    if (side != PrintSide::Fronts) {
        p.back = renderBack(p.run.list ? card.withAddress(card.listAddresses().front())
                                       : card.withPhoto(0),
                            p.metrics);
        p.backPage = backPageOfSheet(p, 0);
    }
    p.placement = placePages(p.layout, p.metrics, turn, card.nudge());
    const QMargins cut =
        contentCut(p.placement, p.metrics, turnOnPage(turn, p.layout),
                   frontCardForLayout(p.layout, p.metrics).frame, backMargin(p.layout, p.metrics));
    p.cutQuestion = paperCutQuestion(p.layout, p.metrics, cut);
    return p;
}

namespace
{

// Card `k` of the run: its photo, and of a list its address (`addresses`, the list's); a card
// past the list's addresses (more photos than addresses) has none.
CardDocument cardOfRun(const CardDocument& card, const CardRun& run, const QStringList& addresses,
                       int k)
{
    const CardDocument one = card.withPhoto(run.photoOf(k));
    return run.list ? one.withAddress(addresses.value(k)) : one;
}

// The card on each tile of the page of backs of `sheet`, none where its place is blank.
std::vector<std::optional<CardDocument>> backsOfSheet(const PreparedPrint& print, int sheet)
{
    const Layout layout = print.layout;
    const SheetTurn turn = turnOnPage(print.turn, layout);
    const QStringList addresses = print.run.list ? print.card.listAddresses() : QStringList();
    std::vector<std::optional<CardDocument>> backs(
        backPageTiling(layout, cardSizeOf(layout)).at.size());
    for (int position = 0; position < print.run.perSheet; ++position) {
        const int k = print.run.cardAt(sheet, position);
        if (k < 0)
            continue; // a blank place: no back drawn
        backs[std::size_t(backTileBehindFront(layout, turn, position))] =
            cardOfRun(print.card, print.run, addresses, k);
    }
    return backs;
}

// The photo of each card of the page of fronts of `sheet` (frontPageTiling's order), -1 where
// the place is blank.
std::vector<int> photosOfSheet(const PreparedPrint& print, int sheet)
{
    std::vector<int> photos;
    for (int position = 0; position < print.run.perSheet; ++position) {
        const int k = print.run.cardAt(sheet, position);
        photos.push_back(k < 0 ? -1 : print.run.photoOf(k));
    }
    return photos;
}

// The fronts of a sheet, each photo composed once however many of its cards the sheet holds.
// `made` keeps the last sheet's: the sheets of an address list share their photo, which is then
// composed (and for Fine decoded again) once a run, while a run of many photos holds no more
// than one sheet's.
template <typename Front>
std::vector<Front> frontsOfSheet(const PreparedPrint& print, int sheet, std::map<int, Front>& made,
                                 const std::function<Front(const FrontComposition&, int)>& make)
{
    std::map<int, Front> kept;
    std::vector<Front> fronts;
    for (const int photo : photosOfSheet(print, sheet)) {
        if (photo < 0) {
            fronts.emplace_back();
            continue;
        }
        auto at = kept.find(photo);
        if (at == kept.end()) {
            const auto before = made.find(photo);
            at = kept.emplace(photo,
                              before != made.end()
                                  ? before->second
                                  : make(photo == 0 ? print.front
                                                    : frontComposition(print.card.withPhoto(photo),
                                                                       print.metrics),
                                         photo))
                     .first;
        }
        fronts.push_back(at->second);
    }
    made = std::move(kept);
    return fronts;
}

// The As shown page of fronts of `sheet`, its photos' fronts kept in `made` (frontsOfSheet).
QImage frontPageOfSheet(const PreparedPrint& print, int sheet, std::map<int, QImage>& made)
{
    return composeFrontPage(
        print.layout,
        frontsOfSheet<QImage>(print, sheet, made, [](const FrontComposition& front, int) {
            return composeFront(front);
        }));
}

// The page of backs of `sheet` drawn at the printer's resolution, each card from its own input.
CardDrawing fineBackPage(const PreparedPrint& print, int sheet)
{
    std::vector<CardDrawing> draws;
    for (const std::optional<CardDocument>& card : backsOfSheet(print, sheet)) {
        if (!card) {
            draws.emplace_back();
            continue;
        }
        draws.emplace_back(
            [back = cardBackInput(*card, print.metrics)](QPainter& painter, qreal scale) {
                drawCardBack(painter, cardBackAtScale(back, scale), scale);
            });
    }
    const QSize size = cardSizeOf(print.layout);
    return [draws, layout = print.layout, turn = print.turn, size](QPainter& painter, qreal scale) {
        drawBackPage(painter, scale, layout, size, turn, draws);
    };
}

// The front for drawing at `scale`, its picture from its own pixels where the card holds it
// reduced below what that needs.
FrontComposition frontFromOwnPixels(FrontComposition front, const CardDocument& card, qreal scale)
{
    if (card.hasFrontPicture())
        front.picture = pictureForScale(*card.front, frontPictureTarget(front).size(), scale);
    return front;
}

// The page of fronts of `sheet` drawn at the printer's resolution: each photo resampled once
// for the page, drawn as it is on each of its cards; its photos' fronts kept in `made`
// (frontsOfSheet).
CardDrawing fineFrontPage(const PreparedPrint& print, int sheet,
                          std::map<int, FrontComposition>& made)
{
    const qreal deviceScale = qreal(print.metrics.DpiX) / SheetPixelsPerInch;
    const std::vector<FrontComposition> fronts = frontsOfSheet<FrontComposition>(
        print, sheet, made, [&print, deviceScale](const FrontComposition& front, int photo) {
            return frontFromOwnPixels(front, print.card.withPhoto(photo), deviceScale);
        });
    return [fronts, card = print.front.card, layout = print.layout](QPainter& painter,
                                                                    qreal scale) {
        std::map<const uchar*, FrontComposition> scaled;
        std::vector<CardDrawing> draws;
        for (const FrontComposition& front : fronts) {
            if (front.picture.isNull()) {
                draws.emplace_back();
                continue;
            }
            auto at = scaled.find(front.picture.constBits());
            if (at == scaled.end())
                at = scaled.emplace(front.picture.constBits(), frontAtScale(front, scale)).first;
            draws.emplace_back(
                [&front = at->second](QPainter& on, qreal s) { drawFront(on, front, s); });
        }
        drawFrontPage(painter, scale, layout, QSize(card.width, card.height), draws);
    };
}

} // namespace

QImage backPageOfSheet(const PreparedPrint& print, int sheet)
{
    std::vector<QImage> backs;
    QImage same; // without a list every card has the one back, drawn once
    for (const std::optional<CardDocument>& card : backsOfSheet(print, sheet)) {
        if (!card) {
            backs.emplace_back();
        } else if (!print.run.list) {
            if (same.isNull())
                same = renderBack(*card, print.metrics);
            backs.push_back(same);
        } else {
            backs.push_back(renderBack(*card, print.metrics));
        }
    }
    return composeBackPage(print.layout, backs, print.turn);
}

QImage frontPageOfSheet(const PreparedPrint& print, int sheet)
{
    std::map<int, QImage> made;
    return frontPageOfSheet(print, sheet, made);
}

namespace
{

// Sends `sheets` sheets of the run from `first` on as one document (sendPrint).
QString sendSheets(PrinterDevice& printer, const PreparedPrint& print, int first, int sheets,
                   const SheetProgress& progress, int* sheetsSent)
{
    const bool fine = print.quality == PrintQuality::Fine;
    const int sides = print.side == PrintSide::Both ? 2 : 1;
    std::map<int, FrontComposition> fineFronts;
    std::map<int, QImage> shownFronts;
    // The same fronts on every sheet are drawn from one drawing.
    const CardDrawing fronts = fine && print.side != PrintSide::Backs && !print.run.varies()
                                   ? fineFrontPage(print, 0, fineFronts)
                                   : CardDrawing();
    QImage backPage = print.backPage;
    QImage frontPage = print.frontPage;
    int sent = 0;
    const auto page = [&](int i) {
        const int sheet = first + i / sides;
        const bool front =
            print.side == PrintSide::Fronts || (print.side == PrintSide::Both && i % 2 == 0);
        if (front && !print.run.varies())
            return PageToPrint{print.frontPage, print.placement.fronts, PageMarks::None, fronts};
        if (front) {
            if (sheet > 0 && !fine)
                frontPage = frontPageOfSheet(print, sheet, shownFronts);
            return PageToPrint{frontPage, print.placement.fronts, PageMarks::None,
                               fine ? fineFrontPage(print, sheet, fineFronts) : CardDrawing()};
        }
        // Fine draws each sheet itself, the first sheet's picture giving only the marks' size.
        if (sheet > 0 && !fine)
            backPage = backPageOfSheet(print, sheet); // the last sheet's goes first
        return PageToPrint{backPage, print.placement.backs, backPageMarks(print.layout),
                           fine ? fineBackPage(print, sheet) : CardDrawing()};
    };
    const auto after = [&](int i) {
        if ((i + 1) % sides != 0)
            return true;
        sent = (i + 1) / sides;
        return !progress || progress(sent, sheets);
    };
    const QString note = printPageRun(printer, print.metrics, sheets * sides, page, print.copies,
                                      print.sides, after);
    if (sheetsSent)
        *sheetsSent = sent;
    return note;
}

} // namespace

QString sendPrint(PrinterDevice& printer, const PreparedPrint& print, const SheetProgress& progress,
                  int* sheetsSent)
{
    return sendSheets(printer, print, 0, print.run.sheets(), progress, sheetsSent);
}

QString sendSheet(PrinterDevice& printer, const PreparedPrint& print, int sheet)
{
    return sendSheets(printer, print, std::clamp(sheet, 0, print.run.sheets() - 1), 1, {}, nullptr);
}

namespace
{

// A crop mark's gap from the card's edge: past the bleed, so no mark prints on the card.
constexpr int CropMarkGap = PrintShopBleed + 6;

void drawCropMarks(QPainter& painter, const QRect& card)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap)); // 1/200 inch, a hairline
    const int l = card.left(), t = card.top();
    const int r = card.left() + card.width(), b = card.top() + card.height();
    const int far = PrintShopMarkRoom, near = CropMarkGap;
    for (const int x : {l, r}) {
        painter.drawLine(x, t - far, x, t - near);
        painter.drawLine(x, b + near, x, b + far);
    }
    for (const int y : {t, b}) {
        painter.drawLine(l - far, y, l - near, y);
        painter.drawLine(r + near, y, r + far, y);
    }
    painter.restore();
}

} // namespace

std::vector<PdfPage> printShopPages(const CardDocument& card, PrintSide side,
                                    const PrinterMetrics& metrics, const PrintShopOptions& options)
{
    if (!sheetLayoutAt(card.layout))
        throw AppError(noLayoutText());
    if (side != PrintSide::Backs && !card.hasFrontPicture())
        throw AppError(noFrontPictureText());
    const QSize size = cardSizeOf(card.layout);
    // The marks' room holds the bleed.
    const int edge = options.cropMarks ? PrintShopMarkRoom : options.bleed ? PrintShopBleed : 0;
    const QRect cardOnPage(QPoint(edge, edge), size);
    const QSizeF inches = QSizeF(size + QSize(2 * edge, 2 * edge)) / SheetPixelsPerInch;
    const auto page = [&](CardDrawing drawCard) {
        return PdfPage{inches,
                       [drawCard, cardOnPage, marks = options.cropMarks](QPainter& painter) {
                           const qreal scale = qreal(PrintShopDpi) / SheetPixelsPerInch;
                           painter.scale(scale, scale);
                           painter.save();
                           painter.translate(cardOnPage.topLeft());
                           drawCard(painter, scale);
                           painter.restore();
                           if (marks)
                               drawCropMarks(painter, cardOnPage);
                       }};
    };
    // Each card of a run (its photo, its address) in turn, its front before its back.
    const CardRun run = cardRun(card);
    const QStringList addresses = run.list ? card.listAddresses() : QStringList();
    if (run.list && addresses.isEmpty())
        throw AppError(noListAddressesText());
    std::vector<PdfPage> pages;
    for (int k = 0; k < (run.varies() ? run.cards : 1); ++k) {
        const CardDocument one = cardOfRun(card, run, addresses, k);
        if (side != PrintSide::Backs) {
            FrontComposition front = frontComposition(one, metrics);
            front.bleed = options.bleed ? PrintShopBleed : 0;
            front = frontFromOwnPixels(front, one, qreal(PrintShopDpi) / SheetPixelsPerInch);
            pages.push_back(page([front](QPainter& painter, qreal scale) {
                drawFront(painter, frontAtScale(front, scale), scale);
            }));
        }
        if (side != PrintSide::Fronts) {
            const CardBackInput back = cardBackInput(one, metrics);
            pages.push_back(page(
                [back](QPainter& painter, qreal scale) { drawCardBack(painter, back, scale); }));
        }
    }
    return pages;
}

AlignmentSheet alignmentSheetFor(const CardDocument& card, const PrinterMetrics& metrics)
{
    return alignmentSheetFor(card.layout, metrics, card.sheetTurn(), card.nudge());
}
