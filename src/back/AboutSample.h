#pragma once
// The About page's sample: the half-size default card back with a title strip, the bar-code
// text redrawn legibly and a tagline in a clear strip beside the address half.
#include "back/AreaStyles.h"

#include <QColor>
#include <QImage>

struct AboutSampleInput {
    QString postalBarCodeText;
    fc postalBarCodeStyle; // record 7 of the style table
    fc separatorStyle;     // record 3: the vertical text's font
    QColor windowText;     // the system's window-text colour, for the title
};

// The title written on the sample and the tagline running up its middle.
QString aboutSampleTitle();   // in the program's language
QString aboutSampleTagline(); // in the program's language

// Overlays the sample on `canvas` (600 x 400, the back already drawn on it at half size).
// Texts here are at the records' own point sizes, as the sample is at screen scale.
void drawAboutSampleOverlay(QImage& canvas, const AboutSampleInput& input);
