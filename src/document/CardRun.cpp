#include "CardRun.h"

#include <algorithm>

int CardRun::cardAt(int sheet, int position) const
{
    if (!varies())
        return 0;
    const int k = sheet * perSheet + position - skipped;
    return k >= 0 && k < cards ? k : -1;
}

CardRun cardRun(const CardDocument& card)
{
    CardRun run;
    run.perSheet = int(frontPageTiling(card.layout).at.size());
    run.photos = std::max(1, card.photoCount());
    run.list = card.printsAddressList();
    if (!run.varies())
        return run;
    run.addresses = run.list ? int(card.listAddresses().size()) : 0;
    run.cards = std::max(run.addresses, run.photos > 1 ? run.photos : 0);
    // A partly used sheet of card stock is a list's choice; photos alone start at the first card.
    if (run.list)
        run.skipped = std::clamp(card.startCard, 1, run.perSheet) - 1;
    return run;
}
