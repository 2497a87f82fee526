#pragma once
#include <QImage>
#include <QString>

// The largest picture the program reads: a side of at most 30000 pixels and at most 100
// million pixels in all. Larger ones are refused from their header, before any pixel memory
// is taken, so a small hostile file cannot exhaust the memory.
constexpr int MaxPictureSide = 30000;
constexpr qint64 MaxPicturePixels = 100'000'000;

// Reads a picture file into `target`: a name containing ".jp" or ".JP" anywhere (folders
// included, case as written) is decoded as JPEG, at full size in 24-bit colour or 8-bit grey;
// any other as BMP, keeping its stored size and colour depth. A picture with no pixels, one
// over the size limits, a file cut short and a file of the other format are refused. On
// failure an AppError is raised and `target` keeps its former contents.
void LoadPictureFile(const QString& fileName, QImage& target);
