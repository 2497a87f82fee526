#pragma once
// Checks that the window takes the next command after something went wrong.
#include "app/TForm1.h"

#include <vector>

// The controls a print disables, in the order it disables them.
std::vector<QWidget*> printControls(const TForm1& form);

// No hourglass left, and the controls a print disables are enabled again.
void expectReadyToPrint(const TForm1& form);
