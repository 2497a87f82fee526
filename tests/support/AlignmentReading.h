#pragma once
// The alignment test pages read as a person reads them: the printed sheet held against a light,
// the page of backs seen through it behind the page of fronts, and the number read off each
// scale under its pointer.
#include "geometry/PagePlacement.h"
#include "geometry/PrinterMetrics.h"
#include "print/AlignmentPages.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <optional>

// A printed sheet as a person holds it against a light: the page of fronts, and behind it the
// page of backs as the printer put it (off by `error` device pixels on its second pass), the
// sheet turned over. Both pages as the printer drew them, from the printable area's corner.
struct HeldSheet {
    QImage fronts;
    QImage backs;
    PrinterMetrics m;
    SheetTurn turn;
    QPoint error;

    // Ink of the fronts at device point p, from the printable area's corner.
    bool frontInk(QPoint p) const;
    // Ink of the backs lying behind it.
    bool backInk(QPoint p) const;
};

// The bounds of the backs' ink in `zone`, null when there is none; their width.
QRect backInkBounds(const HeldSheet& sheet, const QRect& zone);
int backInkWidth(const HeldSheet& sheet, const QRect& zone);

struct Reading {
    std::optional<int> across;
    std::optional<int> down;
    QPointF offTick; // each pointer's axis from the tick read, in device pixels
};

// Reads card `card`'s two scales under the pointers. A pointer's axis picks the nearest tick
// printed on the fronts; the tick's place on the scale gives its value.
Reading readScales(const HeldSheet& held, const AlignmentSheet& sheet, int card);
