#pragma once
// A list of addresses as people export them: a CSV file from a spreadsheet or an address book,
// or vCards from a phone or a mail program. Read into one table (a header and records of text
// fields), checked whole before anything is returned, and the choice of which columns make the
// lines of an address on a card.
#include "gfx/SharedFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// What a list may hold: more would be no list of addresses but something else, and would hold
// the program for long.
constexpr qint64 MaxAddressListBytes = qint64(50) * 1000 * 1000;
constexpr int MaxAddressRecords = 100'000;
constexpr int MaxAddressLineLength = 64 * 1024;

// Which columns make the lines of an address: each line the non-empty fields of its columns,
// joined by a space; a line without text is left out.
struct AddressColumns {
    QList<QList<int>> lines;
    bool operator==(const AddressColumns&) const = default;

    // "0|1|3 2|5": lines by "|", the columns of a line by a space, as a design keeps them.
    QString text() const;
    // Reads text(); columns that are no number or not below `columnCount` are dropped.
    static AddressColumns fromText(const QString& text, int columnCount);
};

// The lines a choice offers, and the columns a line may join.
constexpr int AddressChoiceLines = 5;
constexpr int AddressChoiceColumns = 3;

struct AddressTable {
    QString fileName;
    QByteArray bytes;                 // the file's bytes as read, which a design keeps
    QStringList header;               // the columns' names
    std::vector<QStringList> records; // each as long as the header
    AddressColumns defaults;          // the columns that make an address, from the header
    int leftOut = 0;                  // contacts without any address
    bool windows1252 = false;         // the bytes were no UTF-8 and were read as Windows-1252
    bool vCard = false;
};

// Reads a list from a file's bytes: vCards when they begin so, CSV otherwise. A list that is no
// text, has a quote never closed, is larger than the limits or has no address raises AppError
// naming `fileName` and the line.
AddressTable readAddressList(const QByteArray& bytes, const QString& fileName);
// Reads the file (a regular file of at most MaxAddressListBytes) and then as above.
AddressTable loadAddressList(const QString& fileName);

// The columns that make an address by the header's names, in several languages.
AddressColumns defaultAddressColumns(const QStringList& header);

// The address of a record as its lines, "\n" between them.
QString addressText(const QStringList& record, const AddressColumns& columns);
// Whether a record has more than a name: some text in a column after the first line's.
bool hasAddress(const QStringList& record, const AddressColumns& columns);

// A shared, immutable list, or none.
using SharedAddressList = SharedFile<AddressTable>;
