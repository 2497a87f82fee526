#pragma once
#include <QImage>
#include <QString>

// Reads a picture file into `target`: a name containing ".jp" or ".JP" anywhere is decoded as
// JPEG, any other as BMP. On failure an AppError is raised and `target` keeps its contents.
void LoadPictureFile(const QString& fileName, QImage& target);
