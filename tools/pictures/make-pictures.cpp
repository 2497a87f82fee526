// Draws the main window's built-in pictures and the program icon into a resources folder:
//   pictures/ppImage.bmp, llImage.bmp, slImage.bmp, FourupImage.bmp  88 x 88 layout miniatures
//   pictures/Image1.bmp                                  300 x 250 sample corner picture
//   pictures/icon.png                                    32 x 32 icon in 16 colours
//   icons/hicolor/NxN/apps/talmiro-postcard-print.png    the icon at the desktop's usual sizes
//   icons/hicolor/scalable/apps/talmiro-postcard-print.svg  the same icon, scalable: one square
//                                                        per pixel of the art, edges kept crisp
// and, given a documents folder too, the README's picture of turning the sheet over:
//   book-turn.png
// Bitmaps are written uncompressed in 24 bits.
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numeric>

namespace
{

// --- Sample corner picture -----------------------------------------------------------------

// A lighthouse on a green headland at the end of a summer afternoon, in a rounded frame on white.
QImage sampleCornerPicture()
{
    QImage image(300, 250, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF frame(10.5, 10.5, 279, 229);
    QPainterPath clip;
    clip.addRoundedRect(frame, 22, 22);
    p.setClipPath(clip);

    const double horizon = 150;
    QLinearGradient sky(0, frame.top(), 0, horizon);
    sky.setColorAt(0, QColor(92, 156, 222));
    sky.setColorAt(0.7, QColor(176, 210, 238));
    sky.setColorAt(1, QColor(252, 226, 186));
    p.fillRect(QRectF(frame.left(), frame.top(), frame.width(), horizon - frame.top()), sky);

    // The sun low over the sea, with its glow.
    const QPointF sun(212, 112);
    QRadialGradient glow(sun, 70);
    glow.setColorAt(0, QColor(255, 240, 190, 200));
    glow.setColorAt(1, QColor(255, 240, 190, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, 70, 70);
    p.setBrush(QColor(255, 214, 96));
    p.drawEllipse(sun, 21, 21);

    // Clouds, each a cluster of puffs filled as one shape.
    QPainterPath clouds;
    for (const QRectF& puff :
         {QRectF(150, 34, 44, 18), QRectF(170, 26, 40, 24), QRectF(194, 35, 36, 16),
          QRectF(236, 66, 30, 11), QRectF(252, 61, 26, 13)}) {
        QPainterPath one;
        one.addEllipse(puff);
        clouds = clouds.united(one);
    }
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawPath(clouds);

    // Far hills on the horizon at the right.
    QPainterPath hills;
    hills.moveTo(150, horizon);
    hills.cubicTo(175, 134, 195, 138, 215, 142);
    hills.cubicTo(240, 128, 265, 132, 295, 140);
    hills.lineTo(295, horizon);
    hills.closeSubpath();
    p.setBrush(QColor(128, 158, 176));
    p.drawPath(hills);

    // The sea, darker towards the shore, with the sun's path and a few wave strokes.
    QLinearGradient sea(0, horizon, 0, frame.bottom());
    sea.setColorAt(0, QColor(70, 140, 196));
    sea.setColorAt(1, QColor(24, 82, 150));
    p.fillRect(QRectF(frame.left(), horizon, frame.width(), frame.bottom() - horizon), sea);
    p.setPen(QPen(QColor(255, 228, 150), 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double y = horizon + 5 + i * 7;
        const double half = 18 - i * 2;
        p.drawLine(QPointF(sun.x() - half + (i % 2) * 4, y), QPointF(sun.x() + half, y));
    }
    p.setPen(QPen(QColor(150, 196, 228), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& wave :
         {QLineF(140, 190, 158, 190), QLineF(250, 200, 268, 200), QLineF(180, 216, 200, 216),
          QLineF(120, 172, 132, 172), QLineF(260, 176, 272, 176)})
        p.drawLine(wave);

    // A sailing boat.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 60, 40));
    QPainterPath hull;
    hull.moveTo(148, 170);
    hull.lineTo(176, 170);
    hull.lineTo(171, 176);
    hull.lineTo(152, 176);
    hull.closeSubpath();
    p.drawPath(hull);
    p.setBrush(QColor(250, 250, 244));
    QPainterPath sail;
    sail.moveTo(162, 140);
    sail.lineTo(162, 168);
    sail.lineTo(146, 168);
    sail.closeSubpath();
    sail.moveTo(164, 145);
    sail.lineTo(164, 168);
    sail.lineTo(175, 168);
    sail.closeSubpath();
    p.drawPath(sail);

    // The headland at the left, grass over a strip of rock.
    QPainterPath rock;
    rock.moveTo(frame.left(), 128);
    rock.cubicTo(50, 118, 92, 124, 118, 150);
    rock.cubicTo(130, 170, 112, 200, 122, 240);
    rock.lineTo(frame.left(), 240);
    rock.closeSubpath();
    QLinearGradient stone(0, 124, 0, 240);
    stone.setColorAt(0, QColor(170, 146, 118));
    stone.setColorAt(1, QColor(118, 98, 80));
    p.setBrush(stone);
    p.drawPath(rock);
    p.save();
    p.setClipPath(rock, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(96, 80, 66, 150), 1.5, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& crack :
         {QLineF(20, 168, 60, 164), QLineF(70, 176, 108, 170), QLineF(14, 196, 48, 200),
          QLineF(58, 206, 100, 200), QLineF(30, 226, 76, 222), QLineF(84, 184, 96, 196)})
        p.drawLine(crack);
    p.restore();
    // Foam where the sea meets the cliff.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(236, 246, 252, 210), 2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath foam;
    foam.moveTo(120, 156);
    foam.cubicTo(128, 170, 114, 196, 122, 236);
    p.drawPath(foam);
    p.setPen(Qt::NoPen);
    QPainterPath grass;
    grass.moveTo(frame.left(), 124);
    grass.cubicTo(48, 113, 90, 118, 114, 146);
    grass.cubicTo(86, 140, 60, 150, 30, 146);
    grass.lineTo(frame.left(), 150);
    grass.closeSubpath();
    QLinearGradient green(0, 112, 0, 150);
    green.setColorAt(0, QColor(120, 186, 84));
    green.setColorAt(1, QColor(64, 138, 60));
    p.setBrush(green);
    p.drawPath(grass);

    // The lighthouse: a tapered white tower with red bands, the lantern and its beam.
    const double baseY = 124, topY = 58, cx = 56;
    auto halfWidth = [&](double y) { return 7 + 5 * (y - topY) / (baseY - topY); };
    QPainterPath tower;
    tower.moveTo(cx - halfWidth(topY), topY);
    tower.lineTo(cx + halfWidth(topY), topY);
    tower.lineTo(cx + halfWidth(baseY), baseY);
    tower.lineTo(cx - halfWidth(baseY), baseY);
    tower.closeSubpath();
    p.setBrush(QColor(250, 250, 250));
    p.drawPath(tower);
    p.save();
    p.setClipPath(tower, Qt::IntersectClip);
    p.setBrush(QColor(206, 44, 44));
    for (double y = topY + 10; y < baseY; y += 22)
        p.drawRect(QRectF(cx - 14, y, 28, 11));
    // Shade on the side away from the sun.
    p.setBrush(QColor(0, 0, 40, 36));
    p.drawRect(QRectF(cx - 14, topY, 10, baseY - topY));
    p.restore();
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(cx - 10, topY - 3, 20, 3));
    p.setBrush(QColor(255, 236, 140));
    p.drawRect(QRectF(cx - 6, topY - 13, 12, 10));
    p.setPen(QPen(QColor(60, 60, 70), 1.2));
    p.drawLine(QPointF(cx, topY - 13), QPointF(cx, topY - 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(206, 44, 44));
    QPainterPath roof;
    roof.moveTo(cx - 9, topY - 13);
    roof.lineTo(cx, topY - 22);
    roof.lineTo(cx + 9, topY - 13);
    roof.closeSubpath();
    p.drawPath(roof);
    QLinearGradient beam(cx + 6, 0, cx + 90, 0);
    beam.setColorAt(0, QColor(255, 246, 170, 150));
    beam.setColorAt(1, QColor(255, 246, 170, 0));
    p.setBrush(beam);
    QPainterPath ray;
    ray.moveTo(cx + 6, topY - 8);
    ray.lineTo(cx + 92, topY - 26);
    ray.lineTo(cx + 92, topY + 4);
    ray.closeSubpath();
    p.drawPath(ray);
    p.setBrush(QColor(70, 60, 60));
    p.drawRect(QRectF(cx - 3, baseY - 11, 6, 11)); // the door

    // Three gulls.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(50, 60, 80), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF& gull : {QPointF(112, 92), QPointF(128, 82), QPointF(136, 100)}) {
        QPainterPath wings;
        wings.moveTo(gull + QPointF(-6, -2));
        wings.quadTo(gull + QPointF(-3, -5), gull);
        wings.quadTo(gull + QPointF(3, -5), gull + QPointF(6, -2));
        p.drawPath(wings);
    }

    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 150, 176), 1.5));
    p.drawRoundedRect(frame, 22, 22);
    return image;
}

// --- Layout miniatures ---------------------------------------------------------------------

constexpr int MiniatureSide = 88;
const QColor Ground(204, 242, 248); // light cyan
const QColor GroundShadow(160, 210, 222);
const QColor SheetEdge(150, 168, 176);
const QColor CardBorder(0, 0, 255);
const QColor Stroke(128, 128, 128);
const QColor FaintStroke(176, 176, 176);

// Sizes in miniature pixels: about 7.3 per inch of paper.
const QSize LetterLying(80, 62); // 11 x 8.5 inches
const QSize CardLying(44, 29);   // 6 x 4 inches
const QSize QuarterCard(40, 31); // 5.5 x 4.25 inches

QImage miniatureGround()
{
    QImage image(MiniatureSide, MiniatureSide, QImage::Format_RGB888);
    image.fill(Ground);
    return image;
}

// A sheet of paper lying on the ground, with a soft shadow to its lower right.
void drawSheet(QPainter& p, const QRect& sheet)
{
    p.fillRect(sheet.translated(2, 2), GroundShadow);
    p.fillRect(sheet, Qt::white);
    p.setPen(SheetEdge);
    p.drawRect(sheet.adjusted(0, 0, -1, -1));
}

void hline(QPainter& p, int x1, int x2, int y, const QColor& c)
{
    p.setPen(c);
    p.drawLine(x1, y, x2, y);
}

void vline(QPainter& p, int x, int y1, int y2, const QColor& c)
{
    p.setPen(c);
    p.drawLine(x, y1, x, y2);
}

// A card back lying in (0, 0, w, h) of the painter, sketched from the real back's proportions:
// title and descriptive lines on the left half, the separator in the middle, the stamp box at
// the top right, the address lines below it and the bar-code strip along the bottom.
// `bordered` draws the card's own blue outline and the text strokes (a card on a larger or
// equal sheet); without it only the stamp box, separator and address lines are sketched.
void sketchCard(QPainter& p, int w, int h, bool bordered)
{
    auto X = [w](int per1200) { return per1200 * w / 1200; };
    auto Y = [h](int per800) { return per800 * h / 800; };
    p.fillRect(0, 0, w, h, Qt::white);

    const int stampRight = w - 1 - std::max(2, X(30));
    const int stampLeft = w - 1 - X(180);
    const int stampBottom = Y(210);
    p.setPen(Stroke);
    p.drawRect(QRect(QPoint(stampLeft, Y(30) + 1), QPoint(stampRight, stampBottom)));
    if (bordered) // the stamp text inside the box
        hline(p, stampLeft + 2, stampRight - 2, (Y(30) + stampBottom) / 2 + 1, FaintStroke);

    vline(p, w / 2, Y(60), Y(690), Stroke);
    const int lines = h >= 40 ? 5 : 3;
    for (int i = 0; i < lines; ++i) {
        const int y = Y(375) + i * (Y(631) - Y(375)) / (lines - 1);
        hline(p, X(700), stampRight, y, Stroke);
    }
    if (!bordered)
        return;

    // Title, descriptive text, the "PostCard" caption and the bar-code strip.
    hline(p, X(190), X(410), Y(50), Stroke);
    if (h >= 40)
        hline(p, X(190), X(410), Y(50) + 1, Stroke);
    hline(p, X(50), X(520), Y(150), FaintStroke);
    hline(p, X(50), X(470), Y(210), FaintStroke);
    if (h >= 40)
        hline(p, X(50), X(500), Y(270), FaintStroke);
    hline(p, X(720), stampLeft - 3, Y(90), FaintStroke);
    hline(p, X(450), stampRight, Y(700), FaintStroke);

    // The sample picture in the lower-left corner, as on the window's first card.
    static const QImage sample = sampleCornerPicture();
    const int side = X(300);
    const QImage corner = sample.scaled(side, side * sample.height() / sample.width(),
                                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(X(30) + 2, h - 2 - std::max(1, Y(30)) - corner.height(), corner);

    p.setPen(CardBorder);
    p.drawRect(0, 0, w - 1, h - 1);
}

// Runs `draw` with the painter's origin at the card's top-left corner and, for a standing
// card, turned a quarter turn clockwise: the lying card's top edge becomes the right edge.
void withCard(QPainter& p, const QRect& place, bool standing, const std::function<void()>& draw)
{
    p.save();
    p.translate(place.topLeft());
    if (standing) {
        p.translate(place.width(), 0);
        p.rotate(90);
    }
    draw();
    p.restore();
}

QImage portraitPortrait()
{
    QImage image = miniatureGround();
    QPainter p(&image);
    const QRect sheet(14, 4, LetterLying.height(), LetterLying.width());
    drawSheet(p, sheet);
    // Two standing backs side by side across the upper part, an eighth of an inch apart.
    for (int i = 0; i < 2; ++i) {
        const QRect card(sheet.left() + 2 + i * (CardLying.height() + 1), sheet.top() + 3,
                         CardLying.height(), CardLying.width());
        withCard(p, card, true,
                 [&] { sketchCard(p, CardLying.width(), CardLying.height(), true); });
    }
    return image;
}

QImage landscapeLandscape()
{
    QImage image = miniatureGround();
    QPainter p(&image);
    const QRect sheet(3, 12, LetterLying.width(), LetterLying.height());
    drawSheet(p, sheet);
    // Two lying backs one above the other at the sheet's left.
    for (int i = 0; i < 2; ++i) {
        const QRect card(sheet.left() + 3, sheet.top() + 2 + i * (CardLying.height() + 1),
                         CardLying.width(), CardLying.height());
        withCard(p, card, false,
                 [&] { sketchCard(p, CardLying.width(), CardLying.height(), true); });
    }
    return image;
}

QImage singleOn4x6()
{
    QImage image = miniatureGround();
    QPainter p(&image);
    // The card is its own sheet; drawn half as large again as on the letter sheets, so its
    // parts can be seen.
    const QSize card(66, 44);
    const QRect place((MiniatureSide - card.width()) / 2, (MiniatureSide - card.height()) / 2,
                      card.width(), card.height());
    p.fillRect(place.translated(2, 2), GroundShadow);
    withCard(p, place, false, [&] { sketchCard(p, card.width(), card.height(), true); });
    return image;
}

QImage fourUp()
{
    QImage image = miniatureGround();
    QPainter p(&image);
    const QRect sheet(3, 12, LetterLying.width() + 2, LetterLying.height() + 2);
    drawSheet(p, sheet);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col) {
            const QRect card(sheet.left() + 1 + col * QuarterCard.width(),
                             sheet.top() + 1 + row * QuarterCard.height(), QuarterCard.width(),
                             QuarterCard.height());
            withCard(p, card, false,
                     [&] { sketchCard(p, QuarterCard.width(), QuarterCard.height(), false); });
        }
    return image;
}

// --- Icon ----------------------------------------------------------------------------------

// A picture postcard with the back of another in front of it: stamp, message and address.
// One character a pixel; every colour is one of the classic 16.
const char* const IconArt[32] = {
    "................................", //
    "................................", //
    ".KKKKKKKKKKKKKKKKKKKKKK.........", //
    ".KCCCCCCCCCCCCCCCCCCCCK.........", //
    ".KCCCCCCCCCCCCCCYYCCCCK.........", //
    ".KCCCWWWCCCCCCCYYYYCCCK.........", //
    ".KCCWWWWWCCCCCCYYYYCCCK.........", //
    ".KCCCCCCCCCCCCCCYYCCCCK.........", //
    ".KCCCCCCCCCCCCCCCCCCCCK.........", //
    ".KCCCCCCCCCCLLLCCCCCCCK.........", //
    ".KCCCCCCCCLLLLLLLCCCCCK.........", //
    ".KCCLLLLCLLLLLLLLLLCCCK.........", //
    ".KCLLLLLLLKKKKKKKKKKKKKKKKKKKKK.", //
    ".KLLLLLLLgKWWWWWWWWWWWWWWWWWWWKG", //
    ".KLLLLLgggKWWWWWWWWWWWWRWRWRWWKG", //
    ".KggggggggKWGGGGGGGWSWRRRRRRRWKG", //
    ".KggggggggKWWWWWWWWWSWWRRYRRWWKG", //
    ".KKKKKKKKKKWGGGGGWWWSWRRYYYRRWKG", //
    "..GGGGGGGGKWWWWWWWWWSWWRRYRRWWKG", //
    "..........KWGGGGGGWWSWRRRRRRRWKG", //
    "..........KWWWWWWWWWSWWRWRWRWWKG", //
    "..........KWGGGGWWWWSWWWWWWWWWKG", //
    "..........KWWWWWWWWWSWNNNNNNNWKG", //
    "..........KWWWWWWWWWSWWWWWWWWWKG", //
    "..........KWWWWWWWWWSWNNNNNNWWKG", //
    "..........KWWWWWWWWWSWWWWWWWWWKG", //
    "..........KWWWWWWWWWSWNNNNNNNWKG", //
    "..........KWWWWWWWWWWWWWWWWWWWKG", //
    "..........KKKKKKKKKKKKKKKKKKKKKG", //
    "...........GGGGGGGGGGGGGGGGGGGGG", //
    "................................", //
    "................................", //
};

QImage icon()
{
    // Transparent, then the classic colours the art uses (at most 16 entries in all).
    const std::pair<char, QRgb> palette[] = {
        {'.', qRgba(0, 0, 0, 0)},   {'K', qRgb(0, 0, 0)},       {'W', qRgb(255, 255, 255)},
        {'S', qRgb(192, 192, 192)}, {'G', qRgb(128, 128, 128)}, {'R', qRgb(255, 0, 0)},
        {'N', qRgb(0, 0, 128)},     {'C', qRgb(0, 255, 255)},   {'L', qRgb(0, 255, 0)},
        {'g', qRgb(0, 128, 0)},     {'Y', qRgb(255, 255, 0)},
    };
    QImage image(32, 32, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const auto& entry : palette)
        table << entry.second;
    image.setColorTable(table);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int index = -1;
            for (int i = 0; i < int(std::size(palette)); ++i)
                if (palette[i].first == IconArt[y][x])
                    index = i;
            if (index < 0) {
                std::fprintf(stderr, "icon: unknown colour '%c' at %d, %d\n", IconArt[y][x], x, y);
                std::exit(1);
            }
            image.setPixel(x, y, uint(index));
        }
    return image;
}

// The icon as SVG: each run of same-coloured pixels in a row is one rectangle of its colour, in a
// 32 x 32 view box, drawn with crisp edges so that high-density screens show the art's pixels
// sharp at any size. Transparent pixels draw nothing.
QByteArray iconSvg(const QImage& art)
{
    QByteArray svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\" shape-rendering=\"crispEdges\">\n")
               .arg(art.width())
               .arg(art.height())
               .toUtf8();
    svg += "<title>Talmiro Postcard Print</title>\n";
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width();) {
            const QRgb colour = art.pixel(x, y);
            int end = x + 1;
            while (end < art.width() && art.pixel(end, y) == colour)
                ++end;
            if (qAlpha(colour) != 0)
                svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" fill=\"%4\"/>\n")
                           .arg(x)
                           .arg(y)
                           .arg(end - x)
                           .arg(QColor(colour).name())
                           .toUtf8();
            x = end;
        }
    svg += "</svg>\n";
    return svg;
}

bool saveText(const QByteArray& text, const QString& path)
{
    QFile file(path);
    if (QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
        file.write(text) == text.size() && file.flush())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// --- Turning the sheet over, for the README ------------------------------------------------

const QColor Pencil(90, 90, 90);
const QColor Arrow(200, 60, 40);

void arrowHead(QPainter& p, QPointF tip, QPointF from)
{
    const QPointF d = tip - from;
    const double l = std::hypot(d.x(), d.y());
    const QPointF u = d / l, n(-u.y(), u.x());
    const QPointF points[] = {tip, tip - u * 10 + n * 5, tip - u * 10 - n * 5};
    p.setBrush(Arrow);
    p.drawPolygon(points, 3);
    p.setBrush(Qt::NoBrush);
}

// A sheet lying as "4 on Sheet" prints it, 16 pixels an inch, "top" pencilled above it, and in
// each quarter a card drawn by `card` with its letter.
void turnSheet(QPainter& p, const QRect& sheet, const QString& caption, const QString& letters,
               const std::function<void(const QRect&)>& card)
{
    drawSheet(p, sheet);
    const QSize quarter(sheet.width() / 2, sheet.height() / 2);
    for (int i = 0; i < 4; ++i) {
        const QRect place(
            sheet.topLeft() + QPoint(i % 2 * quarter.width(), i / 2 * quarter.height()), quarter);
        card(place.adjusted(1, 1, -1, -1));
        QFont big = p.font();
        big.setPixelSize(22);
        big.setBold(true);
        p.save();
        p.setFont(big);
        p.setPen(Qt::black);
        p.drawText(place, Qt::AlignCenter, letters.mid(i, 1));
        p.restore();
    }
    p.setPen(Pencil);
    p.drawText(QRect(sheet.left(), sheet.top() - 20, sheet.width(), 18), Qt::AlignCenter,
               QStringLiteral("top"));
    p.setPen(Qt::black);
    p.drawText(QRect(sheet.left() - 20, sheet.bottom() + 8, sheet.width() + 40, 36),
               Qt::AlignHCenter | Qt::TextWordWrap, caption);
}

// The sheet of fronts, the turn like the page of a book and the backs printed on its reverse:
// each back behind its front, the left and right cards changing places; and the directions in
// which the two nudges move the backs.
QImage bookTurn()
{
    QImage image(780, 250, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    p.setFont(font);

    static const QImage photo = sampleCornerPicture();
    const QRect fronts(40, 40, 176, 136); // 11 x 8.5 inches
    turnSheet(p, fronts, QStringLiteral("1. The fronts, printed first"), QStringLiteral("ABCD"),
              [&](const QRect& r) { p.drawImage(r, photo); });
    const QRect backs(400, 40, 176, 136);
    turnSheet(p, backs, QStringLiteral("2. The same sheet turned over: the backs printed on it"),
              QStringLiteral("BADC"), [&](const QRect& r) {
                  p.save();
                  p.translate(r.topLeft());
                  sketchCard(p, r.width(), r.height(), true);
                  p.restore();
              });

    // The turn: about the sheet's upright centre line, left and right changing places.
    QPen dashed(Pencil, 1, Qt::DashLine);
    p.setPen(dashed);
    p.drawLine(fronts.center().x(), fronts.top() - 4, fronts.center().x(), fronts.bottom() + 4);
    QPen arc(Arrow, 2.5);
    p.setPen(arc);
    QPainterPath turn(QPointF(fronts.right() + 14, fronts.center().y() - 10));
    turn.cubicTo(QPointF(fronts.right() + 60, fronts.top() - 10),
                 QPointF(backs.left() - 60, fronts.top() - 10),
                 QPointF(backs.left() - 14, fronts.center().y() - 10));
    p.drawPath(turn);
    p.setPen(Qt::NoPen);
    arrowHead(p, turn.pointAtPercent(1), turn.pointAtPercent(0.95));
    p.setPen(Qt::black);
    p.drawText(
        QRect(fronts.right() + 10, fronts.center().y(), backs.left() - fronts.right() - 20, 80),
        Qt::AlignHCenter | Qt::TextWordWrap,
        QStringLiteral("Turn it over like the page of a book: left and right change "
                       "places, the top stays at the top."));

    // The nudges move the backs right and down.
    const QPointF origin(backs.right() + 34, backs.top() + 44);
    p.setPen(QPen(Arrow, 2.5));
    p.drawLine(origin, origin + QPointF(50, 0));
    p.drawLine(origin, origin + QPointF(0, 50));
    p.setPen(Qt::NoPen);
    arrowHead(p, origin + QPointF(56, 0), origin);
    arrowHead(p, origin + QPointF(0, 56), origin);
    p.setPen(Qt::black);
    p.drawText(QRect(int(origin.x()) - 6, int(origin.y()) - 42, 165, 38), Qt::TextWordWrap,
               QStringLiteral("Print Image Adj: + moves the backs right"));
    p.drawText(QRect(int(origin.x()) + 8, int(origin.y()) + 8, 155, 120), Qt::TextWordWrap,
               QStringLiteral("Print Adj Down: + moves them down. Minus: left, up. 25 = 1/8 inch"));
    return image;
}

QByteArray pngChunk(const char* type, const QByteArray& data)
{
    static const auto crcTable = [] {
        std::array<quint32, 256> table{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
        return table;
    }();
    QByteArray body = QByteArray(type, 4) + data;
    quint32 crc = 0xffffffffu;
    for (char byte : body)
        crc = crcTable[(crc ^ quint8(byte)) & 0xff] ^ (crc >> 8);
    crc ^= 0xffffffffu;
    QByteArray chunk;
    QDataStream out(&chunk, QIODevice::WriteOnly);
    out << quint32(data.size());
    out.writeRawData(body.constData(), int(body.size()));
    out << crc;
    return chunk;
}

// Qt writes palette pictures with 8 bits a pixel; the icon is stored as a true 16-colour
// picture, 4 bits a pixel, with the transparent entry marked.
bool saveSixteenColourPng(const QImage& image, const QString& path)
{
    const QList<QRgb> table = image.colorTable();
    if (image.format() != QImage::Format_Indexed8 || table.size() > 16)
        return false;
    QByteArray header;
    QDataStream h(&header, QIODevice::WriteOnly);
    h << quint32(image.width()) << quint32(image.height()) << quint8(4) // bits a pixel
      << quint8(3) << quint8(0) << quint8(0) << quint8(0);              // palette, no interlace
    QByteArray palette, alpha;
    for (QRgb c : table) {
        palette += char(qRed(c));
        palette += char(qGreen(c));
        palette += char(qBlue(c));
        alpha += char(qAlpha(c));
    }
    QByteArray rows;
    for (int y = 0; y < image.height(); ++y) {
        rows += char(0); // no filter
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); x += 2)
            rows += char(line[x] << 4 | (x + 1 < image.width() ? line[x + 1] : 0));
    }
    const QByteArray zlibStream = qCompress(rows, 9).mid(4); // drop Qt's length prefix
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("\x89PNG\r\n\x1a\n", 8);
    file.write(pngChunk("IHDR", header));
    file.write(pngChunk("PLTE", palette));
    file.write(pngChunk("tRNS", alpha));
    file.write(pngChunk("IDAT", zlibStream));
    file.write(pngChunk("IEND", QByteArray()));
    return file.flush();
}

// Whole multiples of the art keep its crisp pixels and its 16 colours. Other sizes average the
// art's pixels over each new one: first larger by whole pixels to a common multiple, then
// smoothly down by a whole factor, so that every new pixel covers the same share of the art.
QImage iconAtSize(const QImage& art, int size)
{
    if (size % art.width() == 0)
        return art.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const int common = std::lcm(size, art.width());
    return art.convertToFormat(QImage::Format_ARGB32)
        .scaled(common, common, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool save(const QImage& drawn, const QString& path, const char* format)
{
    // 100 dots per inch in the files, whatever screen the application would take its own from.
    constexpr int DotsPerMeter = 3937;
    QImage image = drawn;
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    if (!QDir().mkpath(QFileInfo(path).path())) {
        std::fprintf(stderr, "cannot make the folder of %s\n", qPrintable(path));
        return false;
    }
    const bool sixteenColours = image.format() == QImage::Format_Indexed8;
    if (qstrcmp(format, "PNG") == 0 && sixteenColours ? saveSixteenColourPng(image, path)
                                                      : image.save(path, format))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s RESOURCES-FOLDER [DOCUMENTS-FOLDER]\n", argv[0]);
        return 2;
    }
    // Text needs fonts, and fonts an application; no screen is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QImage iconImage = icon();
    bool ok = save(portraitPortrait(), out + "/pictures/ppImage.bmp", "BMP") &&
              save(landscapeLandscape(), out + "/pictures/llImage.bmp", "BMP") &&
              save(singleOn4x6(), out + "/pictures/slImage.bmp", "BMP") &&
              save(fourUp(), out + "/pictures/FourupImage.bmp", "BMP") &&
              save(sampleCornerPicture(), out + "/pictures/Image1.bmp", "BMP") &&
              save(iconImage, out + "/pictures/icon.png", "PNG");
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString name =
            QStringLiteral("/icons/hicolor/%1x%1/apps/talmiro-postcard-print.png").arg(size);
        ok = ok && save(iconAtSize(iconImage, size), out + name, "PNG");
    }
    ok = ok && saveText(iconSvg(iconImage),
                        out + "/icons/hicolor/scalable/apps/talmiro-postcard-print.svg");
    if (argc == 3)
        ok = ok && save(bookTurn(), QString::fromLocal8Bit(argv[2]) + "/book-turn.png", "PNG");
    return ok ? 0 : 1;
}
