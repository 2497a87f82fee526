#pragma once
// Colour profiles: a picture's pixels converted once, when it is read, from the colours its
// profile says they are (Display P3 for most phone photos, Adobe RGB for some cameras) to sRGB,
// which the screen, the saved back and the printed page take them as. Little CMS does the
// conversion, perceptual, black point compensated. A picture without a profile is sRGB as it
// stands.
#include <QByteArrayView>
#include <QImage>
#include <memory>

struct ColourPoint {
    double x = 0;
    double y = 0;
};
// A colour space's primaries and white point, as CIE xy chromaticities.
struct ColourPrimaries {
    ColourPoint red, green, blue, white;
};

// Converts `image` in place from the colours the ICC profile `icc` describes to sRGB: RGB888,
// RGB32 and ARGB32 pixels (alpha kept), the colour table of an indexed picture, grey pixels of a
// grey profile; other formats are widened to 32 bits first. Returns false, leaving the image as
// it was, for an empty or damaged profile, one of another colour model than the pixels (a CMYK
// profile on RGB pixels), or one Little CMS cannot use.
bool convertToSrgb(QImage& image, QByteArrayView icc);
// The same for pixels in the space of `primaries` with the sRGB transfer curve (an nclx colour
// box of a HEIF file).
bool convertToSrgb(QImage& image, const ColourPrimaries& primaries);

// Rows of CMYK pixels turned into sRGB through the CMYK profile a print-ready picture carries,
// so that its inks come out as the colours they print, not as the plain complement of each ink.
class CmykToSrgb
{
public:
    // Not valid for an empty or damaged profile, or one that does not describe CMYK. Files with
    // an Adobe marker store their inks `inverted` (0 is full ink).
    CmykToSrgb(QByteArrayView icc, bool inverted);
    bool isValid() const { return transform_ != nullptr; }
    // `width` pixels of 4 bytes from `cmyk` to 3 bytes each (R, G, B) at `rgb`.
    void convertRow(const uchar* cmyk, uchar* rgb, int width) const;

private:
    std::shared_ptr<void> transform_;
};

// The Display P3 space (DCI-P3 primaries, D65 white, the sRGB curve) as an ICC profile: what
// phones write into their photos, for the tests and the benchmark to make such photos.
QByteArray displayP3Profile();
