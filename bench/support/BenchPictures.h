#pragma once
#include <QImage>

// A picture with the detail of a photograph: smooth shading, edges and fine noise, so that it
// costs JPEG what a photo does.
QImage photoLikePicture(int width, int height);
