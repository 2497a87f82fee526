#include "PdfRaster.h"

#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

QImage rasterisePdf(const QString& pdf, int dpi, Rasteriser with, QString* error, int page)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("page.png"));
    const QString n = QString::number(page);
    QProcess process;
    if (with == Rasteriser::Poppler)
        process.start(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), n,
                       QStringLiteral("-l"), n, QStringLiteral("-singlefile"),
                       QStringLiteral("-png"), pdf, dir.filePath(QStringLiteral("page"))});
    else
        process.start(QStringLiteral("gs"),
                      {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
                       QStringLiteral("-dSAFER"), QStringLiteral("-sDEVICE=png16m"),
                       QStringLiteral("-dFirstPage=") + n, QStringLiteral("-dLastPage=") + n,
                       QStringLiteral("-r%1").arg(dpi), QStringLiteral("-sOutputFile=") + out,
                       pdf});
    const bool finished = process.waitForFinished(120000);
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("%1 failed: %2 %3")
                         .arg(process.program(), process.errorString(),
                              QString::fromLocal8Bit(process.readAllStandardError()));
        return {};
    }
    // A letter page at 600 dpi is above Qt's default limit for reading pictures; the limit is
    // the whole program's, so it is given back at once.
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1024); // megabytes
    const QImage raster = QImageReader(out).read();
    QImageReader::setAllocationLimit(limit);
    return raster.convertToFormat(QImage::Format_RGB32);
}

int pdfPageCount(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return 0;
    for (const QString& line : QString::fromLocal8Bit(process.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

QRect boundsOf(const QImage& image, const std::function<bool(QColor)>& match, const QRect& within)
{
    const QRect area = within.isNull() ? image.rect() : within.intersected(image.rect());
    int left = area.right() + 1, top = area.bottom() + 1, right = area.left() - 1,
        bottom = area.top() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!match(QColor::fromRgb(row[x])))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < left)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

bool isWhite(QColor c)
{
    return c.red() > 245 && c.green() > 245 && c.blue() > 245;
}

bool isGrey(QColor c)
{
    const int hi = std::max({c.red(), c.green(), c.blue()});
    const int lo = std::min({c.red(), c.green(), c.blue()});
    return hi - lo < 30 && hi < 200;
}

QImage markedCard(QSize size)
{
    QImage card(size, QImage::Format_RGB888);
    card.fill(QColor(40, 110, 230));
    for (int y = CardMarkerAt; y < CardMarkerAt + CardMarkerSide; ++y)
        for (int x = CardMarkerAt; x < CardMarkerAt + CardMarkerSide; ++x)
            card.setPixelColor(x, y, QColor(230, 20, 20));
    return card;
}

bool isCardBlue(QColor c)
{
    return c.blue() > 180 && c.red() < 110 && c.green() < 170;
}

bool isMarkerRed(QColor c)
{
    return c.red() > 180 && c.green() < 90 && c.blue() < 90;
}
