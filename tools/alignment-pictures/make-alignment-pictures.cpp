// Draws the README's pictures of the alignment test: both pages of "Landscape-Landscape" on
// letter paper with 1/4 inch margins, small, and a close-up of one card's top scale with the
// pointer of a page of backs that the printer put 4/200 inch to the right, seen through the
// sheet. Uses the program's own drawing of the test pages. Not part of the build:
//
//   g++ -std=c++20 -fPIC -I src -I build/src/generated $(pkg-config --cflags Qt6Gui) \
//       tools/alignment-pictures/make-alignment-pictures.cpp build/src/libtalmiro_print.a \
//       build/src/libtalmiro_geometry.a build/src/libtalmiro_gfx.a -ljpeg \
//       $(pkg-config --libs Qt6Gui) -o /tmp/make-alignment-pictures
//   QT_QPA_PLATFORM=offscreen /tmp/make-alignment-pictures docs/screenshots
#include "geometry/PrinterMetrics.h"
#include "geometry/SheetLayout.h"
#include "print/AlignmentPages.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    PrinterMetrics m;
    m.DpiX = m.DpiY = 600;
    m.PhysicalWidth = 6600;
    m.PhysicalHeight = 5100;
    m.OffsetX = m.OffsetY = 150;
    m.PageWidth = 6300;
    m.PageHeight = 4800;
    m.RightMargin = m.BottomMargin = 150;
    AlignmentSheet sheet =
        alignmentSheetFor(Layout::LandscapeLandscape, m, SheetTurn::Book, QPoint());
    sheet.acrossNudge = QStringLiteral("Print Image Adj");
    sheet.downNudge = QStringLiteral("Print Adj Down");
    const QSize printable(m.PageWidth, m.PageHeight);
    const QImage fronts = paintAlignmentPatches(alignmentFrontPatches(sheet), printable);
    const QImage backs = paintAlignmentPatches(alignmentBackPatches(sheet), printable);
    const auto small = [&](const QImage& page) {
        QImage paper(m.PhysicalWidth, m.PhysicalHeight, QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter p(&paper);
        p.drawImage(QPoint(m.OffsetX, m.OffsetY), page);
        p.setPen(QPen(Qt::gray, 12));
        p.drawRect(paper.rect().adjusted(6, 6, -6, -6));
        p.end();
        return paper.scaledToWidth(660, Qt::SmoothTransformation);
    };
    small(fronts).save(out.filePath(QStringLiteral("alignment-fronts.png")));
    small(backs).save(out.filePath(QStringLiteral("alignment-backs.png")));

    // The top scale of the upper card, the backs seen through the sheet (turned like a book
    // page) in red, the printer's second pass 12 device pixels to the right.
    const QPoint zero = acrossScaleTick(sheet, 0, 0);
    const QRect area(zero - QPoint(330, 120), QSize(660, 260));
    QImage close = fronts.copy(area);
    const QImage through = backs.mirrored(true, false);
    const int error = 12;
    for (int y = 0; y < close.height(); ++y)
        for (int x = 0; x < close.width(); ++x) {
            // Printable-area column c of the fronts has behind it the backs' paper column
            // PhysicalWidth - 1 - (c + OffsetX), moved by the error.
            const int c = area.x() + x;
            const int b = m.PhysicalWidth - 1 - (c + m.OffsetX) - m.OffsetX - error;
            const int r = area.y() + y;
            if (b >= 0 && b < through.width() && qGray(backs.pixel(b, r)) < 128)
                close.setPixel(x, y, qRgb(220, 40, 40));
        }
    close.scaled(close.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(out.filePath(QStringLiteral("alignment-reading.png")));
    return 0;
}
