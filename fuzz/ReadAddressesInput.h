#pragma once
// One input of the address list fuzzer, shared with the test that replays its corpus: the bytes
// read as a list and, when they are one, every record's address made with the default columns.
// A refusal must be an AppError; anything else escaping is a finding.
#include "addresses/AddressList.h"
#include "gfx/AppError.h"

inline void readAddressesInput(const QByteArray& input)
{
    try {
        const AddressTable table = readAddressList(input, QStringLiteral("fuzz.csv"));
        const AddressColumns columns =
            AddressColumns::fromText(table.defaults.text(), int(table.header.size()));
        for (const QStringList& record : table.records)
            if (hasAddress(record, columns))
                (void)addressText(record, columns);
    } catch (const AppError&) {
    }
}
