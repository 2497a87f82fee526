#include "SheetText.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t num = std::int64_t(a) * b;
    const std::int64_t half = (c > 0 ? c : -c) / 2;
    const bool negative = (num < 0) != (c < 0);
    const std::int64_t absNum = num < 0 ? -num : num;
    const std::int64_t absC = c < 0 ? -std::int64_t(c) : c;
    const std::int64_t q = (absNum + half) / absC;
    return int(negative ? -q : q);
}

int pointsToPixels(int points)
{
    return mulDiv(points, 96, 72);
}

void prepareSheetPainter(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
}

void setSheetFont(QPainter& painter, QFont font)
{
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    painter.setFont(font);
}

QFontMetrics sheetMetrics(const QPainter& painter)
{
    // Measured on a sheet bitmap whatever the painter draws on: a printer's or a PDF's font
    // metrics could differ by a pixel, and the card must lay out the same everywhere.
    static const QImage sheetProbe(1, 1, QImage::Format_RGB32);
    return QFontMetrics(painter.font(), &sheetProbe);
}

void drawTextTopLeft(QPainter& painter, int x, int y, const QString& text)
{
    painter.drawText(x, y + sheetMetrics(painter).ascent(), text);
}

int textHeight(const QPainter& painter)
{
    return sheetMetrics(painter).height();
}

int linesWithin(const QFont& font, int extent)
{
    // Measured as the sheets measure their lines: on a sheet bitmap's painter.
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    prepareSheetPainter(painter);
    setSheetFont(painter, font);
    return std::max(0, extent) / std::max(1, textHeight(painter)) + 1;
}

int textWidth(const QPainter& painter, const QString& text)
{
    return sheetMetrics(painter).horizontalAdvance(text);
}

void DrawRotatedText(QPainter& painter, const QString& text, int x, int y, int angle)
{
    const QFont saved = painter.font();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.save();
    painter.translate(x, y);
    painter.rotate(-angle);
    painter.drawText(0, sheetMetrics(painter).ascent(), text);
    painter.restore();
    painter.setFont(saved);
}

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Coronet"), QStringLiteral("Z003"));
}
