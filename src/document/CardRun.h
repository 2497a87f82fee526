#pragma once
// The cards of one print command and where each goes. A run has a card for each address of the
// list and for each of the front's photos when it has several, whichever are more: card k gets
// address k and photo k, the photos starting over when fewer. The positions of each sheet are
// filled in order, as many sheets as needed, "Start at card" leaving the first positions of the
// first sheet of a list blank. Without a list or photos it is one sheet of the same card.
#include "CardDocument.h"

struct CardRun {
    int cards = 1;    // the cards of the run
    int perSheet = 1; // the cards a sheet holds
    int skipped = 0;  // the blank positions before the first card
    bool list = false;
    int addresses = 0; // the list's addresses (cards after them have no address)
    int photos = 1;    // the front's photos the cards take in turn

    // Whether the cards differ, each with its own place on the sheets.
    bool varies() const { return list || photos > 1; }
    int sheets() const { return (skipped + cards + perSheet - 1) / perSheet; }
    // The card at `position` of `sheet` (the fronts' order), or -1 where the sheet stays blank.
    // Without a list or photos every position has card 0.
    int cardAt(int sheet, int position) const;
    // The photo card `k` shows.
    int photoOf(int k) const { return photos > 1 ? k % photos : 0; }
};

// The run of the card as it is now.
CardRun cardRun(const CardDocument& card);
