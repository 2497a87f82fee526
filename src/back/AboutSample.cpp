#include "AboutSample.h"

#include "gfx/SheetText.h"

#include <QCoreApplication>
#include <QPainter>

QString aboutSampleTitle()
{
    return QCoreApplication::translate("AboutSample", "Talmiro Print Postcard Backs");
}

QString aboutSampleTagline()
{
    return QCoreApplication::translate("AboutSample", "\"Your own pictures, your own postcards\"");
}

namespace
{

const QString TitleFace = QStringLiteral("MS Sans Serif"); // the canvas's default face
constexpr int TitlePoints = 10;
constexpr QRect TitleStrip(0, 0, 300, 50);
constexpr QPoint TitleAt(13, 12);
constexpr int BarCodeBaseline = 349; // the text's cell stands on this row
constexpr int BarCodeStripLeft = 315;
constexpr int BarCodeStripRight = 600;
constexpr int BarCodeTextLeft = 425;
constexpr QRect TaglineStrip(300, 50, 25, 299);
constexpr int TaglineX = 300;
constexpr int TaglineCentreY = 187;

// A record's font at its own size in points, as a screen canvas takes it.
QFont screenFont(const fc& record)
{
    QFont font = sheetFont(record);
    font.setPixelSize(pointsToPixels(record.size));
    return font;
}

} // namespace

void drawAboutSampleOverlay(QImage& canvas, const AboutSampleInput& input)
{
    const QColor brush = fromTColor(TColors::White);
    QPainter p(&canvas);
    prepareSheetPainter(p);

    p.fillRect(TitleStrip, brush);
    QFont title(TitleFace);
    title.setPixelSize(pointsToPixels(TitlePoints));
    title.setBold(true);
    setSheetFont(p, title);
    p.setPen(input.windowText);
    drawTextTopLeft(p, TitleAt.x(), TitleAt.y(), aboutSampleTitle());

    setSheetFont(p, screenFont(input.postalBarCodeStyle));
    p.setPen(fromTColor(input.postalBarCodeStyle.colour));
    const int h = textHeight(p);
    p.fillRect(QRect(QPoint(BarCodeStripLeft, BarCodeBaseline - h),
                     QPoint(BarCodeStripRight - 1, BarCodeBaseline - 1)),
               brush);
    drawTextTopLeft(p, BarCodeTextLeft, BarCodeBaseline - h, input.postalBarCodeText);

    p.fillRect(TaglineStrip, brush);
    setSheetFont(p, screenFont(input.separatorStyle));
    p.setPen(fromTColor(input.separatorStyle.colour));
    const QString tagline = aboutSampleTagline();
    const int w = textWidth(p, tagline);
    DrawRotatedText(p, tagline, TaglineX, TaglineCentreY + w / 2, 90);
}
