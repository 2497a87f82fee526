// The card back: rendering and its previews.
#include "TForm1.h"

void TForm1::DrawPostCardBack(QObject*, int, int, int) {}

void TForm1::DrawAboutSample() {}
