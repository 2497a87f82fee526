#include "QuarterTurn.h"

#include <algorithm>
#include <new>

namespace
{

// Edge of the square tiles a turn walks: a tile's rows of source and destination both stay in
// the cache while it is copied.
constexpr int TurnTile = 64;

template <int Bytes> struct Pixel {
    unsigned char bytes[Bytes];
};

// Each pixel moved whole, a tile of scanlines at a time.
template <int Bytes> void turnByTiles(const QImage& source, QImage& target, QuarterTurn turn)
{
    using P = Pixel<Bytes>;
    const int w = source.width();
    const int h = source.height();
    const uchar* in = source.constBits();
    uchar* out = target.bits();
    const qsizetype inStride = source.bytesPerLine();
    const qsizetype outStride = target.bytesPerLine();
    const bool clockwise = turn == QuarterTurn::Clockwise;
    for (int y0 = 0; y0 < h; y0 += TurnTile) {
        const int y1 = std::min(y0 + TurnTile, h);
        for (int x0 = 0; x0 < w; x0 += TurnTile) {
            const int x1 = std::min(x0 + TurnTile, w);
            for (int x = x0; x < x1; ++x) {
                // Source column x becomes target row x (clockwise, read from the right) or
                // row w - 1 - x (counter-clockwise, read from the left).
                P* row = reinterpret_cast<P*>(out + (clockwise ? x : w - 1 - x) * outStride);
                for (int y = y0; y < y1; ++y)
                    row[clockwise ? h - 1 - y : y] =
                        reinterpret_cast<const P*>(in + y * inStride)[x];
            }
        }
    }
}

} // namespace

QImage turnedQuarter(const QImage& picture, QuarterTurn turn)
{
    if (picture.isNull())
        return {};
    const QImage source =
        picture.depth() < 8 ? picture.convertToFormat(QImage::Format_RGB32) : picture;
    QImage target(source.height(), source.width(), source.format());
    if (target.isNull())
        throw std::bad_alloc();
    target.setColorTable(source.colorTable());
    target.setDotsPerMeterX(source.dotsPerMeterY());
    target.setDotsPerMeterY(source.dotsPerMeterX());
    switch (source.depth()) {
    case 8:
        turnByTiles<1>(source, target, turn);
        break;
    case 16:
        turnByTiles<2>(source, target, turn);
        break;
    case 24:
        turnByTiles<3>(source, target, turn);
        break;
    case 32:
        turnByTiles<4>(source, target, turn);
        break;
    case 64:
        turnByTiles<8>(source, target, turn);
        break;
    default: // floating-point formats: no picture file gives them
        return turnedQuarter(source.convertToFormat(QImage::Format_RGB32), turn);
    }
    return target;
}
