// The address list readers on many small files, as spreadsheets, address books, phones and mail
// programs write them, and on files that must be refused.
#include "addresses/AddressList.h"
#include "../fuzz/ReadAddressesInput.h"
#include "gfx/AppError.h"

#include <QDir>
#include <gtest/gtest.h>

namespace
{

// The addresses of a list with its default columns, one string a card.
QStringList addresses(const AddressTable& t)
{
    QStringList out;
    for (const QStringList& r : t.records)
        if (hasAddress(r, t.defaults))
            out << addressText(r, t.defaults);
    return out;
}

struct ListCase {
    const char* what;
    QByteArray bytes;
    QStringList expected; // the addresses; empty: refused
    QString refusal;      // what the refusal says, line included
    int leftOut = 0;
    bool windows1252 = false;
};

TEST(AddressList, ReadsWhatIsExportedAndRefusesTheRest)
{
    const QByteArray longLine = "Name,Street\nA," + QByteArray(MaxAddressLineLength + 1, 'x');
    QByteArray many = "Name;Street\n";
    for (int i = 0; i <= MaxAddressRecords; ++i)
        many += "N;S\n";
    const ListCase cases[] = {
        {"comma, header names in English, CRLF",
         "Name,Street,City,Zip,Country\r\nAnn Lee,1 Elm St,Boston,02134,USA\r\n",
         {"Ann Lee\n1 Elm St\n02134 Boston\nUSA"},
         {}},
        {"semicolon, German, UTF-8 with BOM",
         "\xEF\xBB\xBFVorname;Nachname;Stra\xC3\x9F"
         "e;PLZ;Ort\nJ\xC3\xBCrgen;M\xC3\xBCller;Hauptstr. 3;"
         "10115;Berlin\n",
         {"J\xC3\xBCrgen M\xC3\xBC"
          "ller\nHauptstr. 3\n10115 Berlin"},
         {}},
        {"tab, French, Windows-1252",
         "Pr\xE9nom\tNom de famille\tAdresse\tCode postal\tVille\nL\xE9"
         "a\tDub\xF4is\t2 rue "
         "Haute\t75001\tParis\n",
         {"L\xC3\xA9"
          "a Dub\xC3\xB4is\n2 rue Haute\n75001 Paris"},
         {},
         0,
         true},
        {"quoted separators, quotes and line breaks; a state puts the town line US-style",
         "\"Full Name\",\"Home Street\",Business Street,City,State,ZIP Code\n"
         "\"Lee, Ann\",\"1 Elm St\nApt \"\"B\"\"\",9 Work Rd,Austin,TX,78701\n",
         {"Lee, Ann\n1 Elm St\nApt \"B\"\nAustin TX 78701"},
         {}},
        {"Spanish and Italian names; a row without an address is left out; blank rows skipped",
         "Nombre;Direcci\xC3\xB3n;C\xC3\xB3"
         "digo postal;Ciudad;Pa\xC3\xADs\n\nAna;C/ Sol 1;28001;"
         "Madrid;Espa\xC3\xB1"
         "a\nSolo Nombre;;;;\n;;;;\n",
         {"Ana\nC/ Sol 1\n28001 Madrid\nEspa\xC3\xB1"
          "a"},
         {},
         1},
        {"e-mail address is no postal address",
         "Name,E-mail Address,Address\nBo,b@x.org,3 Oak\n",
         {"Bo\n3 Oak"},
         {}},
        {"rows longer than the header", "Name,Street\nCy,5 Ash,extra\n", {"Cy\n5 Ash"}, {}},
        {"vCard 3.0, folded, postal address before the first",
         "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Dora\r\n  Diaz\r\nADR;TYPE=WORK:;;1 Work St;Reno;NV;"
         "89501;USA\r\nADR;TYPE=HOME,POSTAL:;;2 Home\\, Rd;Reno;NV;89502;USA\r\nEND:VCARD\r\n",
         {"Dora Diaz\n2 Home, Rd\nReno NV 89502\nUSA"},
         {}},
        {"vCard 4.0, N only, UTF-8, one without an address counted",
         "BEGIN:VCARD\nVERSION:4.0\nN:Gr\xC3\xBC"
         "n;Eva;;Dr.;\nitem1.ADR;TYPE=home:;;Ring 4;Wien;;"
         "1010;\xC3\x96sterreich\nEND:VCARD\nBEGIN:VCARD\nVERSION:4.0\nFN:No Address\n"
         "TEL:123\nEND:VCARD\n",
         {"Dr. Eva Gr\xC3\xBCn\nRing 4\n1010 Wien\n\xC3\x96sterreich"},
         {},
         1},
        {"vCard 2.1 quoted-printable with a soft break",
         "BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Z=C3=BC=\nri\n"
         "ADR;HOME;ENCODING=QUOTED-PRINTABLE:;;Bahnhofstr. 1=0ABox 9;Z=C3=BCrich;;8001;CH\n"
         "END:VCARD\n",
         {"Z\xC3\xBCri\nBahnhofstr. 1\nBox 9\n8001 Z\xC3\xBCrich\nCH"},
         {}},
        {"not text", QByteArray("Name,Street\nA,\0B\n", 15), {}, "not text (line 2)"},
        {"UTF-16 with a NUL",
         QByteArray("\xFF\xFE"
                    "A\0\0\0",
                    6),
         {},
         "not text (line 1)"},
        {"a quote never closed", "Name,Street\nA,B\nC,\"D\nE,F\n", {}, "never closed (line 3)"},
        {"a line too long", longLine, {}, "longer than 65536 characters (line 2)"},
        {"too many", many, {}, "more than 100000 addresses (line 100002)"},
        {"header only", "Name,Street\n", {}, "no addresses below its header row"},
        {"vCard without an address",
         "BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\nEND:VCARD\n",
         {},
         "none of its 2 contacts has an address"},
        {"vCard cut short", "BEGIN:VCARD\nFN:A\nADR:;;1 St;X;;1;Y\n", {}, "cut short (line 1)"},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            const AddressTable t = readAddressList(c.bytes, QStringLiteral("list.csv"));
            EXPECT_TRUE(c.refusal.isEmpty());
            EXPECT_EQ(addresses(t), c.expected);
            EXPECT_EQ(t.leftOut + int(t.records.size()) - int(addresses(t).size()), c.leftOut);
            EXPECT_EQ(t.windows1252, c.windows1252);
        } catch (const AppError& e) {
            EXPECT_FALSE(c.refusal.isEmpty()) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(c.refusal)) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(QStringLiteral("\"list.csv\"")));
        }
    }
}

TEST(AddressList, ColumnsKeptAsTextReadBackWithinTheList)
{
    const AddressColumns columns{{{2}, {0, 1}, {}, {4, 3, 9}}};
    EXPECT_EQ(columns.text(), QStringLiteral("2|0 1||4 3 9"));
    EXPECT_EQ(AddressColumns::fromText(columns.text(), 10), columns);
    EXPECT_EQ(AddressColumns::fromText(QStringLiteral("2|0 x -1|7"), 5).text(),
              QStringLiteral("2|0|"));
}

// The fuzzer's corpus, replayed: each input is read or refused, never anything else.
TEST(AddressList, FuzzCorpusReadOrRefused)
{
    const QDir dir(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../fuzz/address-corpus"));
    const QFileInfoList files = dir.entryInfoList(QDir::Files);
    ASSERT_GE(files.size(), 4);
    for (const QFileInfo& info : files) {
        QFile f(info.filePath());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        readAddressesInput(f.readAll());
    }
}

} // namespace
