#include "AddressList.h"

#include "gfx/AppError.h"
#include "gfx/WholeFile.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <array>

namespace
{

// Texts are marked with QT_TRANSLATE_NOOP in the "AddressList" context, which lupdate finds.
QString translated(const char* text)
{
    return QCoreApplication::translate("AddressList", text);
}

// A refusal: why, and the line of the file it was found on (0: the file as a whole).
struct Refusal {
    QString reason;
    int line = 0;
};

// Windows-1252's characters for 0x80..0x9F; its five unused bytes stay the C1 controls they
// are in Latin-1, which no text holds.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? Windows1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

// The text of the bytes: UTF-16 with its byte order mark, UTF-8 with or without one, else
// Windows-1252. Refuses what holds control characters no text has (NUL above all).
QString decodeText(const QByteArray& bytes, bool& windows1252)
{
    windows1252 = false;
    QString text;
    const auto decode = [&bytes](QStringConverter::Encoding encoding, int skip) {
        QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
        QString t = decoder.decode(QByteArrayView(bytes).sliced(skip));
        return decoder.hasError() ? std::optional<QString>() : std::optional<QString>(t);
    };
    std::optional<QString> utf;
    if (bytes.startsWith("\xFF\xFE"))
        utf = decode(QStringConverter::Utf16LE, 2);
    else if (bytes.startsWith("\xFE\xFF"))
        utf = decode(QStringConverter::Utf16BE, 2);
    else
        utf = decode(QStringConverter::Utf8, bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0);
    if (utf) {
        text = *utf;
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        throw Refusal{translated(QT_TRANSLATE_NOOP("AddressList", "it is not text")), 0};
    } else {
        text = fromWindows1252(bytes);
        windows1252 = true;
    }
    // An end-of-file mark of old programs closes some exports.
    if (text.endsWith(QChar(0x1A)))
        text.chop(1);
    int line = 1;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\n')
            ++line;
        else if ((u < 0x20 && u != '\t' && u != '\r' && u != '\f') || (u >= 0x7F && u < 0xA0))
            throw Refusal{translated(QT_TRANSLATE_NOOP("AddressList", "it is not text")), line};
    }
    return text;
}

[[noreturn]] void tooLong(int line)
{
    throw Refusal{translated(QT_TRANSLATE_NOOP("AddressList", "a line is longer than %1 characters"))
                      .arg(MaxAddressLineLength),
                  line};
}

[[noreturn]] void tooMany(int line)
{
    throw Refusal{translated(QT_TRANSLATE_NOOP("AddressList", "it holds more than %1 addresses"))
                      .arg(MaxAddressRecords),
                  line};
}

// --- CSV -------------------------------------------------------------------------------------

// The separator of the first record: whichever of tab, semicolon and comma it holds most of
// outside quotes (a comma when none).
QChar findSeparator(const QString& text)
{
    int tabs = 0, semicolons = 0, commas = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\n' || c == u'\r')
            break;
        else if (c == u'\t')
            ++tabs;
        else if (c == u';')
            ++semicolons;
        else if (c == u',')
            ++commas;
    }
    if (tabs >= semicolons && tabs >= commas && tabs > 0)
        return u'\t';
    return semicolons > commas ? u';' : u',';
}

bool blank(const QStringList& record)
{
    for (const QString& field : record)
        if (!field.trimmed().isEmpty())
            return false;
    return true;
}

// Records as RFC 4180 has them, forgiving as spreadsheets are: a quote opens a quoted field
// only at the field's start, and text after a closing quote joins the field.
std::vector<QStringList> parseCsv(const QString& text)
{
    const QChar separator = findSeparator(text);
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    int recordLine = 1;
    int quoteLine = 0;
    qsizetype lineStart = 0;
    const auto endRecord = [&] {
        record << field;
        field.clear();
        fieldStarted = false;
        if (!blank(record)) {
            if (int(records.size()) > MaxAddressRecords) // the header is no address
                tooMany(recordLine);
            records.push_back(record);
        }
        record.clear();
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r') {
            if (i - lineStart > MaxAddressLineLength)
                tooLong(line);
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            ++line;
            lineStart = i + 1;
            if (quoted) {
                field += u'\n';
                continue;
            }
            endRecord();
            recordLine = line;
            continue;
        }
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < n && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == separator) {
            record << field;
            field.clear();
            fieldStarted = false;
        } else if (c == u'"' && !fieldStarted && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
            fieldStarted = true;
            quoteLine = line;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (n - lineStart > MaxAddressLineLength)
        tooLong(line);
    if (quoted)
        throw Refusal{
            translated(QT_TRANSLATE_NOOP("AddressList", "a quote opened on this line is never closed")),
            quoteLine};
    if (!field.isEmpty() || !record.isEmpty())
        endRecord();
    return records;
}

AddressTable csvTable(const QString& text)
{
    std::vector<QStringList> rows = parseCsv(text);
    if (rows.size() < 2)
        throw Refusal{
            translated(QT_TRANSLATE_NOOP("AddressList", "it holds no addresses below its header row")), 0};
    AddressTable table;
    table.header = rows.front();
    qsizetype width = table.header.size();
    for (const QStringList& row : rows)
        width = std::max(width, row.size());
    for (qsizetype c = table.header.size(); c < width; ++c)
        table.header << translated(QT_TRANSLATE_NOOP("AddressList", "Column %1")).arg(c + 1);
    for (QString& name : table.header)
        name = name.trimmed();
    table.records.reserve(rows.size() - 1);
    for (std::size_t r = 1; r < rows.size(); ++r) {
        QStringList& row = rows[r];
        while (row.size() < width)
            row << QString();
        for (QString& field : row)
            field = field.trimmed();
        table.records.push_back(std::move(row));
    }
    table.defaults = defaultAddressColumns(table.header);
    return table;
}

// --- vCard -----------------------------------------------------------------------------------

// One property of a vCard: its name, its parameters (upper case) and its raw value.
struct Property {
    QString name;
    QStringList types; // TYPE values and bare 2.1 parameters, upper case
    bool quotedPrintable = false;
    QString charset;
    QString value;
};

// The text of a quoted-printable value, its bytes read as `charset` (UTF-8 unless it says
// otherwise).
QString fromQuotedPrintable(const QString& value, const QString& charset)
{
    QByteArray bytes;
    const QByteArray in = value.toUtf8();
    for (qsizetype i = 0; i < in.size(); ++i) {
        bool ok = false;
        if (in[i] == '=' && i + 2 < in.size()) {
            const int b = in.mid(i + 1, 2).toInt(&ok, 16);
            if (ok) {
                bytes += char(b);
                i += 2;
                continue;
            }
        }
        bytes += in[i];
    }
    if (charset.isEmpty() || charset == u"UTF-8")
        return QString::fromUtf8(bytes);
    return fromWindows1252(bytes);
}

Property parseProperty(const QString& line)
{
    Property p;
    // The value starts after the first colon outside a quoted parameter.
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon < 0)
        return p;
    const QStringList parts = line.left(colon).split(u';');
    p.name = parts.front().section(u'.', -1).trimmed().toUpper();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString param = parts[i].trimmed().toUpper();
        const QString key = param.section(u'=', 0, 0);
        QString value = param.section(u'=', 1);
        value.remove(u'"');
        if (!param.contains(u'='))
            p.types << param; // 2.1: HOME, POSTAL, QUOTED-PRINTABLE
        else if (key == u"TYPE")
            p.types << value.split(u',');
        else if (key == u"ENCODING")
            p.types << value;
        else if (key == u"CHARSET")
            p.charset = value;
    }
    p.quotedPrintable = p.types.contains(QStringLiteral("QUOTED-PRINTABLE"));
    p.value = line.mid(colon + 1);
    if (p.quotedPrintable)
        p.value = fromQuotedPrintable(p.value, p.charset);
    return p;
}

// The components of a structured value, split at unescaped semicolons and unescaped.
QStringList components(const QString& value)
{
    QStringList out{QString()};
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            const QChar e = value[++i];
            out.back() += (e == u'n' || e == u'N') ? QChar(u'\n') : e;
        } else if (c == u';') {
            out << QString();
        } else {
            out.back() += c;
        }
    }
    for (QString& s : out)
        s = s.trimmed();
    return out;
}

QString unescaped(const QString& value)
{
    QString all = components(value).join(u';');
    return all.trimmed();
}

// The columns a contact becomes.
enum VCardColumn { Name, Organisation, PostBox, Extended, Street, City, Region, Postcode, Country };

QStringList vCardHeader()
{
    return {translated(QT_TRANSLATE_NOOP("AddressList", "Name")),
            translated(QT_TRANSLATE_NOOP("AddressList", "Organisation")),
            translated(QT_TRANSLATE_NOOP("AddressList", "PO Box")),
            translated(QT_TRANSLATE_NOOP("AddressList", "Extended Address")),
            translated(QT_TRANSLATE_NOOP("AddressList", "Street")),
            translated(QT_TRANSLATE_NOOP("AddressList", "City")),
            translated(QT_TRANSLATE_NOOP("AddressList", "State")),
            translated(QT_TRANSLATE_NOOP("AddressList", "Postcode")),
            translated(QT_TRANSLATE_NOOP("AddressList", "Country"))};
}

// The logical lines of the text, folded lines joined, with the file line each starts on. A
// quoted-printable value ending in "=" goes on in the next line too.
std::vector<std::pair<QString, int>> unfold(const QString& text)
{
    std::vector<std::pair<QString, int>> lines;
    int number = 0;
    bool softBreak = false;
    for (QStringView raw : QStringView(text).split(u'\n')) {
        ++number;
        if (raw.size() > MaxAddressLineLength)
            tooLong(number);
        if (raw.endsWith(u'\r'))
            raw.chop(1);
        const bool folded = !raw.isEmpty() && (raw[0] == u' ' || raw[0] == u'\t');
        if (!lines.empty() && (folded || softBreak)) {
            QString& last = lines.back().first;
            if (softBreak)
                last.chop(1);
            last += folded && !softBreak ? raw.mid(1) : raw;
            if (last.size() > MaxAddressLineLength)
                tooLong(number);
        } else if (!raw.trimmed().isEmpty()) {
            lines.emplace_back(raw.toString(), number);
        } else {
            softBreak = false;
            continue;
        }
        const QString& last = lines.back().first;
        softBreak = last.endsWith(u'=') &&
                    last.left(last.indexOf(u':')).toUpper().contains(u"QUOTED-PRINTABLE");
    }
    return lines;
}

AddressTable vCardTable(const QString& text)
{
    AddressTable table;
    table.vCard = true;
    table.header = vCardHeader();
    int contacts = 0;
    bool inCard = false;
    int cardLine = 0;
    QString fn, n, org;
    QStringList adr;
    int adrRank = -1;
    for (const auto& [line, number] : unfold(text)) {
        const Property p = parseProperty(line);
        const QString value = p.value.trimmed().toUpper();
        if (p.name == u"BEGIN" && value == u"VCARD") {
            if (inCard)
                throw Refusal{
                    translated(QT_TRANSLATE_NOOP("AddressList",
                                         "a contact begins here before the last one ended")),
                    number};
            inCard = true;
            cardLine = number;
            fn.clear(), n.clear(), org.clear(), adr.clear();
            adrRank = -1;
        } else if (!inCard) {
            if (!p.name.isEmpty() || !line.trimmed().isEmpty())
                throw Refusal{
                    translated(QT_TRANSLATE_NOOP("AddressList", "this line is outside any contact")),
                    number};
        } else if (p.name == u"END" && value == u"VCARD") {
            inCard = false;
            ++contacts;
            if (adr.isEmpty()) {
                ++table.leftOut;
                continue;
            }
            if (int(table.records.size()) >= MaxAddressRecords)
                tooMany(cardLine);
            QString name = fn;
            if (name.isEmpty()) {
                const QStringList parts = components(n); // family; given; more; prefix; suffix
                QStringList ordered;
                for (const int i : {3, 1, 2, 0, 4})
                    if (i < parts.size() && !parts[i].isEmpty())
                        ordered << parts[i];
                name = ordered.join(u' ');
            }
            while (adr.size() < 7)
                adr << QString();
            table.records.push_back(
                {name, org, adr[0], adr[1], adr[2], adr[3], adr[4], adr[5], adr[6]});
        } else if (p.name == u"FN") {
            fn = unescaped(p.value);
        } else if (p.name == u"N") {
            n = p.value;
        } else if (p.name == u"ORG") {
            org = components(p.value).join(u' ').trimmed();
        } else if (p.name == u"ADR") {
            // The first address marked postal, else home, else the first of all.
            const int rank = p.types.contains(QStringLiteral("POSTAL"))
                                 ? 2
                                 : (p.types.contains(QStringLiteral("HOME")) ? 1 : 0);
            QStringList parts = components(p.value);
            if (rank > adrRank && !blank(parts)) {
                adr = parts;
                adrRank = rank;
            }
        }
    }
    if (inCard)
        throw Refusal{
            translated(QT_TRANSLATE_NOOP(
                "AddressList",
                "the contact that begins on this line never ends: the file is cut short")),
            cardLine};
    if (table.records.empty()) {
        if (contacts == 0)
            throw Refusal{translated(QT_TRANSLATE_NOOP("AddressList", "it holds no contacts")), 0};
        throw Refusal{QCoreApplication::translate("AddressList",
                                                  "none of its %n contacts has an address", nullptr,
                                                  contacts),
                      0};
    }
    // Where any contact has a state or region, the town line is written as in North America.
    bool regions = false;
    for (const QStringList& r : table.records)
        regions = regions || !r[Region].isEmpty();
    table.defaults.lines = {{Name},
                            {Extended},
                            {Street, PostBox},
                            regions ? QList<int>{City, Region, Postcode}
                                    : QList<int>{Postcode, City},
                            {Country}};
    return table;
}

bool looksLikeVCard(const QString& text)
{
    return text.trimmed().left(11).compare(QLatin1String("BEGIN:VCARD"), Qt::CaseInsensitive) == 0;
}

// --- Default columns -------------------------------------------------------------------------

// A header's name reduced to lower-case letters and digits, accents and ß taken off.
QString folded(const QString& name)
{
    QString out;
    for (const QChar c : name.normalized(QString::NormalizationForm_D)) {
        if (c == u'ß')
            out += QStringLiteral("ss");
        else if (c.isLetterOrNumber())
            out += c.toLower();
    }
    return out;
}

enum class Role { FullName, FirstName, LastName, Street, Postcode, City, State, Country };

struct RoleWords {
    Role role;
    QStringList exact;    // the whole name is one of these
    QStringList contains; // or holds one of these
};

const std::vector<RoleWords>& roleWords()
{
    // English, German, French, Spanish, Italian and Dutch, as address books and spreadsheets
    // head their columns. More specific roles come first: "Bundesland" is no country.
    static const std::vector<RoleWords> words = {
        {Role::Postcode,
         {"cp", "cap", "plz", "zip", "npa"},
         {"postcode", "postalcode", "zipcode", "postleitzahl", "codepostal", "codigopostal",
          "codicepostale", "postcode", "postnummer", "postal", "zip"}},
        {Role::State,
         {"state", "region", "province", "bundesland", "etat", "estado", "provincia", "regione",
          "county", "kanton"},
         {"state", "province", "region", "bundesland", "provincia", "county"}},
        {Role::Country,
         {"land", "staat", "pays", "pais", "paese", "nazione", "country", "countryregion"},
         {"country", "pays", "nazione"}},
        {Role::City,
         {"ort", "ville", "citta", "plaats", "stad", "town"},
         {"city", "town", "stadt", "wohnort", "ville", "ciudad", "localidad", "poblacion", "citta",
          "comune", "localite", "locality", "woonplaats"}},
        {Role::Street,
         {"adresse", "address", "direccion", "indirizzo", "adres", "via", "rue"},
         {"street", "strasse", "adresse", "address", "rue", "calle", "direccion", "indirizzo",
          "straat", "anschrift", "domicilio"}},
        {Role::FirstName,
         {"prenom", "vorname", "nombrepila"},
         {"firstname", "givenname", "forename", "vorname", "prenom", "voornaam"}},
        {Role::LastName,
         {"nachname", "apellido", "apellidos", "cognome", "achternaam", "surname"},
         {"lastname", "surname", "familyname", "nachname", "familienname", "nomdefamille",
          "apellido", "cognome", "achternaam"}},
        {Role::FullName,
         {"name", "fullname", "displayname", "nom", "nomcomplet", "nombre", "nombrecompleto",
          "nome", "nomecompleto", "naam", "empfanger", "destinataire", "destinatario", "recipient",
          "contact", "kontakt"},
         {"fullname", "displayname", "vollername", "nomcomplet", "nombrecompleto", "nomecompleto"}},
    };
    return words;
}

// Columns that hold no postal address whatever their names say ("E-mail Address").
bool notPostal(const QString& name)
{
    for (const char* word : {"mail", "phone", "tel", "fax", "web", "url", "http", "mobil"})
        if (name.contains(QLatin1String(word)))
            return true;
    return false;
}

// Among the columns of a role, a home address before another (a business one).
bool homeColumn(const QString& name)
{
    for (const char* word : {"home", "privat", "domicile", "casa", "personal", "thuis"})
        if (name.contains(QLatin1String(word)))
            return true;
    return false;
}

} // namespace

QString AddressColumns::text() const
{
    QStringList out;
    for (const QList<int>& line : lines) {
        QStringList columns;
        for (const int c : line)
            columns << QString::number(c);
        out << columns.join(u' ');
    }
    return out.join(u'|');
}

AddressColumns AddressColumns::fromText(const QString& text, int columnCount)
{
    AddressColumns columns;
    if (text.isEmpty())
        return columns;
    for (const QString& line : text.split(u'|').mid(0, AddressChoiceLines)) {
        QList<int> l;
        for (const QString& c : line.split(u' ', Qt::SkipEmptyParts)) {
            bool ok = false;
            const int column = c.toInt(&ok);
            if (ok && column >= 0 && column < columnCount && l.size() < AddressChoiceColumns)
                l << column;
        }
        columns.lines << l;
    }
    return columns;
}

AddressColumns defaultAddressColumns(const QStringList& header)
{
    QStringList names;
    for (const QString& h : header)
        names << folded(h);
    std::array<int, 8> found;
    found.fill(-1);
    QList<int> taken;
    for (const RoleWords& words : roleWords()) {
        int best = -1;
        int bestScore = 0;
        for (int c = 0; c < names.size(); ++c) {
            const QString& name = names[c];
            if (taken.contains(c) || name.isEmpty() || notPostal(name))
                continue;
            int score = 0;
            if (words.exact.contains(name))
                score = 3;
            else
                for (const QString& w : words.contains)
                    if (name.contains(w))
                        score = 1;
            if (score > 0 && homeColumn(name))
                score += 1;
            if (score > bestScore) {
                best = c;
                bestScore = score;
            }
        }
        if (best >= 0) {
            found[std::size_t(words.role)] = best;
            taken << best;
        }
    }
    const auto at = [&found](Role r) { return found[std::size_t(r)]; };
    const auto line = [&at](std::initializer_list<Role> roles) {
        QList<int> l;
        for (const Role r : roles)
            if (at(r) >= 0)
                l << at(r);
        return l;
    };
    AddressColumns columns;
    columns.lines << (at(Role::FullName) >= 0 ? line({Role::FullName})
                                              : line({Role::FirstName, Role::LastName}));
    columns.lines << line({Role::Street});
    columns.lines << (at(Role::State) >= 0 ? line({Role::City, Role::State, Role::Postcode})
                                           : line({Role::Postcode, Role::City}));
    columns.lines << line({Role::Country});
    // A list whose names say nothing: its columns in order, one a line.
    bool any = false;
    for (const QList<int>& l : columns.lines)
        any = any || !l.isEmpty();
    if (!any) {
        columns.lines.clear();
        for (int c = 0; c < std::min<int>(header.size(), AddressChoiceLines); ++c)
            columns.lines << QList<int>{c};
    }
    return columns;
}

QString addressText(const QStringList& record, const AddressColumns& columns)
{
    QStringList lines;
    for (const QList<int>& line : columns.lines) {
        QStringList parts;
        for (const int c : line)
            if (c >= 0 && c < record.size() && !record[c].isEmpty())
                parts << record[c];
        if (!parts.isEmpty())
            lines << parts.join(u' ');
    }
    return lines.join(u'\n');
}

bool hasAddress(const QStringList& record, const AddressColumns& columns)
{
    for (qsizetype l = 1; l < columns.lines.size(); ++l)
        for (const int c : columns.lines[l])
            if (c >= 0 && c < record.size() && !record[c].isEmpty())
                return true;
    return false;
}

AddressTable readAddressList(const QByteArray& bytes, const QString& fileName)
{
    try {
        if (bytes.size() > MaxAddressListBytes)
            throw Refusal{translated(QT_TRANSLATE_NOOP("AddressList", "it is larger than %1 MB"))
                              .arg(MaxAddressListBytes / 1000 / 1000),
                          0};
        bool windows1252 = false;
        const QString text = decodeText(bytes, windows1252);
        AddressTable table = looksLikeVCard(text) ? vCardTable(text) : csvTable(text);
        table.fileName = fileName;
        table.bytes = bytes;
        table.windows1252 = windows1252;
        return table;
    } catch (const Refusal& r) {
        if (r.line > 0)
            throw AppError(translated(QT_TRANSLATE_NOOP(
                                  "AddressList",
                                  "The address list \"%1\" cannot be used: %2 (line %3). Nothing "
                                  "was changed."))
                               .arg(fileName, r.reason)
                               .arg(r.line));
        throw AppError(translated(QT_TRANSLATE_NOOP(
                              "AddressList",
                              "The address list \"%1\" cannot be used: %2. Nothing was changed."))
                           .arg(fileName, r.reason));
    }
}

AddressTable loadAddressList(const QString& fileName)
{
    const QByteArray bytes = readRegularFile(
        fileName, MaxAddressListBytes,
        translated(QT_TRANSLATE_NOOP(
            "AddressList",
            "The address list \"%1\" cannot be used: it is larger than 50 MB (%2 MB). Nothing "
            "was changed.")));
    return readAddressList(bytes, fileName);
}
