#pragma once
// The cards of one print command and where each goes: one card per address of the list, the
// positions of each sheet filled in order, as many sheets as needed, "Start at card" leaving the
// first positions of the first sheet blank. Without a list it is one sheet of the same card.
#include "CardDocument.h"

struct CardRun {
    int cards = 1;    // the cards with a back of their own
    int perSheet = 1; // the cards a sheet holds
    int skipped = 0;  // the blank positions before the first card
    bool list = false;

    int sheets() const { return (skipped + cards + perSheet - 1) / perSheet; }
    // The card at `position` of `sheet` (the fronts' order), or -1 where the sheet stays blank.
    // Without a list every position has card 0.
    int cardAt(int sheet, int position) const;
};

// The run of the card as it is now.
CardRun cardRun(const CardDocument& card);
