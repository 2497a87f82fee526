#include "Dialogs.h"

#include "BackgroundWork.h"

bool Dialogs::waitForWork(const QString&, const std::function<bool()>& done)
{
    spinEventsUntil(done);
    return true;
}

std::optional<AddressChoice> Dialogs::chooseAddressColumns(const AddressTable&,
                                                           const AddressChoice& initial)
{
    return initial;
}

std::optional<Layout> Dialogs::chooseLayout(Layout, std::vector<OwnLayout>&)
{
    return std::nullopt;
}
