#pragma once
// The card back as the window starts it, once "Continue" has been pressed and no corner
// picture was chosen: default texts and styles, the layout "Landscape-Landscape".
#include "back/CardBack.h"

CardBackInput defaultCardBack();
