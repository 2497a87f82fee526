#pragma once
// Text on sheet bitmaps: sizes, the top-left text cell convention and rotated text.
#include <QFont>
#include <QFontMetrics>
#include <QString>

class QPainter;

// Windows' mulDiv: a * b / c computed wide and rounded half away from zero.
int mulDiv(int a, int b, int c);

// Character height in pixels of a font of `points` points at 96 pixels per inch.
int pointsToPixels(int points);

// Sets a painter up for a sheet bitmap: aliased lines and arcs, smoothed text and transparent
// text cells, the same for every text on every sheet.
void prepareSheetPainter(QPainter& painter);
// Sets the painter's font, smoothed in grey only: coloured sub-pixel smoothing would print as
// colour fringes.
void setSheetFont(QPainter& painter, QFont font);

// The metrics of the painter's current font as a sheet bitmap has them, whatever the painter
// draws on (a bitmap, a printer at its own resolution, a PDF): the card lays out the same on all.
QFontMetrics sheetMetrics(const QPainter& painter);

// Draws `text` with the top-left corner of its text cell at (x, y).
void drawTextTopLeft(QPainter& painter, int x, int y, const QString& text);

// Height of a text cell in the painter's current font (ascent + descent): the font's, the same
// for every text in it.
int textHeight(const QPainter& painter);
// How many lines of `font`, one cell height apart, start within `extent` sheet pixels: the
// most of a text that a sheet can show, however long the text is.
int linesWithin(const QFont& font, int extent);
// Advance width of `text` in the painter's current font.
int textWidth(const QPainter& painter, const QString& text);

// Draws `text` turned by `angle` degrees counter-clockwise about (x, y), with its text cell's
// top-left corner at (x, y): at 90 it reads upwards from (x, y) and lies to the right of x.
// The painter's font is given back afterwards; the background stays transparent.
void DrawRotatedText(QPainter& painter, const QString& text, int x, int y, int angle);

// Maps the faces the program names to fonts this system has ("MS Sans Serif", "Coronet").
void installFontSubstitutions();
