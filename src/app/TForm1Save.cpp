// Saving the card back as a picture file.
#include "TForm1.h"

void TForm1::SaveSheetImageBestItemClick(QObject*) {}
