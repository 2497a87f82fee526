#include "CardRun.h"

#include <algorithm>

int CardRun::cardAt(int sheet, int position) const
{
    if (!list)
        return 0;
    const int k = sheet * perSheet + position - skipped;
    return k >= 0 && k < cards ? k : -1;
}

CardRun cardRun(const CardDocument& card)
{
    CardRun run;
    run.perSheet = int(frontPageTiling(card.layout).at.size());
    if (!card.printsAddressList())
        return run;
    run.list = true;
    run.cards = int(card.listAddresses().size());
    run.skipped = std::clamp(card.startCard, 1, run.perSheet) - 1;
    return run;
}
