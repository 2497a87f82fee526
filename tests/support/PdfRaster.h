#pragma once
// Looks at printed PDF files as a person would: rasterised by Poppler (pdftoppm) or Ghostscript
// into an image, and measured there.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

enum class Rasteriser { Poppler, Ghostscript };

// Page `page` (from 1) of `pdf` at `dpi`; a null image (and the reason in `error`) when it
// fails.
QImage rasterisePdf(const QString& pdf, int dpi, Rasteriser with, QString* error = nullptr,
                    int page = 1);

// The number of pages of `pdf` (pdfinfo); 0 when it cannot be read.
int pdfPageCount(const QString& pdf);

// The smallest rectangle holding every pixel that `match` accepts; null when there is none.
QRect boundsOf(const QImage& image, const std::function<bool(QColor)>& match,
               const QRect& within = QRect());

bool isWhite(QColor c);
bool isGrey(QColor c);

// A test card: blue, with a red square marker from (150, 150) to (250, 250), clear of any
// printer's margins and showing which corner is the card's top left.
constexpr int CardMarkerAt = 150;
constexpr int CardMarkerSide = 100;
QImage markedCard(QSize size);
bool isCardBlue(QColor c);
bool isMarkerRed(QColor c);
