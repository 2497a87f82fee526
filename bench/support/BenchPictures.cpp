#include "BenchPictures.h"

#include <QtGlobal>
#include <cmath>

QImage photoLikePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    quint32 noise = 12345;
    for (int y = 0; y < height; ++y) {
        uchar* p = image.scanLine(y);
        for (int x = 0; x < width; ++x, p += 3) {
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 28) - 8;
            const double shade = 0.5 + 0.5 * std::sin(x / 97.0) * std::cos(y / 131.0);
            const bool edge = ((x / 250) + (y / 180)) % 2 == 0;
            p[0] = uchar(qBound(0, int(200 * shade) + (edge ? 40 : 0) + n, 255));
            p[1] = uchar(qBound(0, int(160 * (1 - shade)) + 50 + n, 255));
            p[2] = uchar(qBound(0, (x + y) % 256 / 2 + (edge ? 0 : 60) + n, 255));
        }
    }
    return image;
}
