#pragma once
#include <QImage>
#include <QString>

// Reads a picture file into `target`: a name containing ".jp" or ".JP" anywhere (folders
// included, case as written) is decoded as JPEG, at full size in 24-bit colour or 8-bit grey;
// any other as BMP, keeping its stored size and colour depth. Refused: a picture with no
// pixels; one over 30000 pixels a side or 100 million pixels in all, judged from its header
// before any pixel memory is taken; a file cut short; a file of the other format. On failure
// an AppError is raised and `target` keeps its former contents.
void LoadPictureFile(const QString& fileName, QImage& target);
