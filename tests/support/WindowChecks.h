#pragma once
// Checks that the window takes the next command after something went wrong.
#include "app/TForm1.h"

// No hourglass left, and the eleven controls a print disables are enabled again.
void expectReadyToPrint(const TForm1& form);
