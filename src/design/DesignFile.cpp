#include "DesignFile.h"

#include "ZipArchive.h"
#include "gfx/AppError.h"
#include "gfx/WholeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>
#include <QRegularExpression>

#include <cmath>

namespace
{

const QString MimeTypeEntry = QStringLiteral("mimetype");
const QString SettingsEntry = QStringLiteral("design.json");
const QString CornerEntry = QStringLiteral("pictures/corner");
const QString FrontEntry = QStringLiteral("pictures/front");
const QString AddressListEntry = QStringLiteral("addresses/list");

// What one entry may hold. Pictures are stored, so the file itself holds every byte taken; the
// deflated limit bounds what a few bytes of a hostile file can make us allocate.
constexpr qint64 MiB = 1024 * 1024;
constexpr qint64 MaxSettingsBytes = 16 * MiB;
constexpr qint64 MaxPictureBytes = MaxDesignPictureBytes;
constexpr qint64 MaxDeflatedPictureBytes = 64 * MiB;
constexpr qint64 MaxMimeTypeBytes = 256;
constexpr qint64 MaxDesignFileBytes = 2 * MaxPictureBytes + MaxSettingsBytes + MiB;
// What the pictures and the list of one design may take together, so that it opens again.
constexpr qint64 MaxKeptBytes = MaxDesignFileBytes - MaxSettingsBytes - MiB;

// Limits of the values that are not controls: the front text's place on the card and the sizes
// of fonts, far beyond what the dialogs offer, so that no value can overflow the drawing.
constexpr int MaxTextPlace = 100'000;
constexpr int MaxFontPoints = 1000;
constexpr int MaxFontPixels = 2000;
constexpr int MaxFontWeight = 1000;
constexpr int MaxFontStretch = 4000;

// The first version that says whether the front text's place was picked.
constexpr DesignVersion TextPickedSince{1, 3};
// The first version that keeps an address list, its columns and the start card.
constexpr DesignVersion AddressListSince{1, 4};
// The first version that keeps the front's further photos of a run.
constexpr DesignVersion MorePhotosSince{1, 5};
// The first version that keeps a layout beyond the four of the choice.
constexpr DesignVersion OtherLayoutSince{1, 6};
const QString OtherLayoutKey = QStringLiteral("otherLayout");
// More than any sheet holds (own layouts may hold more than four); a run clamps it to its
// layout's cards.
constexpr int MaxStartCard = 1000;

const char* const AreaNames[] = {"title",       "descriptive", "lowerLeftText", "addressSeparator",
                                 "stampBorder", "postCard",    "addressLines",  "postalBarCode",
                                 "spare"};
static_assert(std::size(AreaNames) == AreaStyleArray::Count);

// A design that is damaged, in words that finish "The design ... cannot be opened: ".
struct Damaged {
    QString reason;
};
// A design of a newer major version than this program reads.
struct NewerFormat {
    DesignVersion version;
};

QString colourText(TColor colour)
{
    return fromTColor(colour).name(QColor::HexRgb);
}

// --- Writing ---------------------------------------------------------------------------------

QJsonValue settingJson(const SettingValue& value)
{
    if (const bool* b = std::get_if<bool>(&value))
        return *b;
    if (const int* i = std::get_if<int>(&value))
        return *i;
    return std::get<QString>(value);
}

QJsonArray stylesJson(const AreaStyleArray& styles)
{
    QJsonArray list;
    for (std::size_t i = 0; i < styles.size(); ++i) {
        const fc& s = styles[i];
        list.append(QJsonObject{
            {QStringLiteral("area"), QLatin1String(AreaNames[i])},
            {QStringLiteral("face"), s.name},
            {QStringLiteral("size"), s.size},
            {QStringLiteral("colour"), colourText(s.colour)},
            {QStringLiteral("bold"), s.style.testFlag(FontStyle::Bold)},
            {QStringLiteral("italic"), s.style.testFlag(FontStyle::Italic)},
            {QStringLiteral("underline"), s.style.testFlag(FontStyle::Underline)},
            {QStringLiteral("strikeOut"), s.style.testFlag(FontStyle::StrikeOut)},
        });
    }
    return list;
}

QJsonObject fontJson(const QFont& font)
{
    QJsonObject o{
        {QStringLiteral("face"), font.family()},
        {QStringLiteral("weight"), int(font.weight())},
        {QStringLiteral("italic"), font.italic()},
        {QStringLiteral("underline"), font.underline()},
        {QStringLiteral("strikeOut"), font.strikeOut()},
        {QStringLiteral("stretch"), font.stretch()},
        {QStringLiteral("styleName"), font.styleName()},
    };
    if (font.pixelSize() > 0)
        o.insert(QStringLiteral("pixelSize"), font.pixelSize());
    else
        o.insert(QStringLiteral("pointSize"), font.pointSizeF());
    return o;
}

// The picture's entry keeps the suffix of its file, so that an unpacked design shows it.
QString pictureEntry(const QString& base, const CardPicture& picture)
{
    static const QRegularExpression plainSuffix(QStringLiteral("^[A-Za-z0-9]{1,8}$"));
    const QString suffix = QFileInfo(picture.fileName).suffix().toLower();
    return plainSuffix.match(suffix).hasMatch() ? base + QLatin1Char('.') + suffix : base;
}

QJsonValue pictureJson(const SharedPicture& picture, const QString& entry)
{
    if (!picture)
        return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("entry"), entry},
                       {QStringLiteral("fileName"), picture->fileName}};
}

// --- Reading ---------------------------------------------------------------------------------

// The values of one JSON object, each checked; a missing or wrong one is reported by its path.
class Fields
{
public:
    Fields(QJsonObject object, QString path) : object_(std::move(object)), path_(std::move(path)) {}

    bool has(const QString& name) const { return object_.contains(name); }

    QJsonValue value(const QString& name) const
    {
        const auto it = object_.constFind(name);
        if (it == object_.constEnd())
            throw Damaged{QCoreApplication::translate("DesignFile", "the setting \"%1\" is missing")
                              .arg(pathOf(name))};
        return *it;
    }
    QString text(const QString& name) const
    {
        const QJsonValue v = value(name);
        if (!v.isString())
            wrong(name, QStringLiteral("text"));
        return v.toString();
    }
    bool flag(const QString& name) const
    {
        const QJsonValue v = value(name);
        if (!v.isBool())
            wrong(name, QCoreApplication::translate("DesignFile", "true or false"));
        return v.toBool();
    }
    int whole(const QString& name, int minimum, int maximum) const
    {
        const QJsonValue v = value(name);
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::floor(d) || d < minimum || d > maximum)
            wrong(name, QCoreApplication::translate("DesignFile", "a whole number from %1 to %2")
                            .arg(minimum)
                            .arg(maximum));
        return int(d);
    }
    double real(const QString& name, double above, double maximum) const
    {
        const QJsonValue v = value(name);
        const double d = v.toDouble();
        if (!v.isDouble() || !(d > above) || d > maximum)
            wrong(name, QCoreApplication::translate("DesignFile", "a number above %1 and up to %2")
                            .arg(above)
                            .arg(maximum));
        return d;
    }
    TColor colour(const QString& name) const
    {
        static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        const QJsonValue v = value(name);
        if (!v.isString() || !hex.match(v.toString()).hasMatch())
            wrong(name, QCoreApplication::translate("DesignFile", "a colour written #RRGGBB"));
        return toTColor(QColor(v.toString()));
    }
    Fields object(const QString& name) const
    {
        const QJsonValue v = value(name);
        if (!v.isObject())
            wrong(name, QCoreApplication::translate("DesignFile", "a group of settings"));
        return Fields(v.toObject(), pathOf(name));
    }
    QJsonArray array(const QString& name) const
    {
        const QJsonValue v = value(name);
        if (!v.isArray())
            wrong(name, QCoreApplication::translate("DesignFile", "a list"));
        return v.toArray();
    }
    QString pathOf(const QString& name) const
    {
        return path_.isEmpty() ? name : path_ + QLatin1Char('.') + name;
    }

private:
    [[noreturn]] void wrong(const QString& name, const QString& what) const
    {
        throw Damaged{QCoreApplication::translate("DesignFile", "the setting \"%1\" must be %2")
                          .arg(pathOf(name), what)};
    }

    QJsonObject object_;
    QString path_;
};

AreaStyleArray readStyles(const Fields& back)
{
    const QJsonArray list = back.array(QStringLiteral("styles"));
    AreaStyleArray styles;
    if (list.size() != qsizetype(styles.size()))
        throw Damaged{
            QCoreApplication::translate("DesignFile", "the setting \"%1\" must hold %2 styles")
                .arg(back.pathOf(QStringLiteral("styles")))
                .arg(styles.size())};
    for (std::size_t i = 0; i < styles.size(); ++i) {
        const QString path =
            QStringLiteral("%1[%2]").arg(back.pathOf(QStringLiteral("styles"))).arg(i);
        if (!list[qsizetype(i)].isObject())
            throw Damaged{QCoreApplication::translate(
                              "DesignFile", "the setting \"%1\" must be a group of settings")
                              .arg(path)};
        const Fields s(list[qsizetype(i)].toObject(), path);
        fc& record = styles[i];
        record.name = s.text(QStringLiteral("face"));
        record.size = s.whole(QStringLiteral("size"), 1, MaxFontPoints);
        record.colour = s.colour(QStringLiteral("colour"));
        record.style = {};
        record.style.setFlag(FontStyle::Bold, s.flag(QStringLiteral("bold")));
        record.style.setFlag(FontStyle::Italic, s.flag(QStringLiteral("italic")));
        record.style.setFlag(FontStyle::Underline, s.flag(QStringLiteral("underline")));
        record.style.setFlag(FontStyle::StrikeOut, s.flag(QStringLiteral("strikeOut")));
    }
    return styles;
}

QFont readFont(const Fields& f)
{
    QFont font(f.text(QStringLiteral("face")));
    if (f.has(QStringLiteral("pixelSize")))
        font.setPixelSize(f.whole(QStringLiteral("pixelSize"), 1, MaxFontPixels));
    else
        font.setPointSizeF(f.real(QStringLiteral("pointSize"), 0, MaxFontPoints));
    font.setWeight(QFont::Weight(f.whole(QStringLiteral("weight"), 1, MaxFontWeight)));
    font.setItalic(f.flag(QStringLiteral("italic")));
    font.setUnderline(f.flag(QStringLiteral("underline")));
    font.setStrikeOut(f.flag(QStringLiteral("strikeOut")));
    if (const int stretch = f.whole(QStringLiteral("stretch"), 0, MaxFontStretch))
        font.setStretch(stretch);
    if (const QString style = f.text(QStringLiteral("styleName")); !style.isEmpty())
        font.setStyleName(style);
    return font;
}

SharedPicture readPicture(const Fields& p, const ZipReader& zip)
{
    CardPicture picture;
    picture.fileName = p.text(QStringLiteral("fileName"));
    if (picture.fileName.isEmpty())
        throw Damaged{QCoreApplication::translate("DesignFile", "the setting \"%1\" names no file")
                          .arg(p.pathOf(QStringLiteral("fileName")))};
    const QString entry = p.text(QStringLiteral("entry"));
    try {
        picture.bytes = zip.read(entry, MaxPictureBytes, MaxDeflatedPictureBytes);
    } catch (const ZipError& e) {
        throw Damaged{e.reason()};
    }
    return SharedPicture(std::move(picture));
}

SharedPicture readPicture(const Fields& section, const QString& name, const ZipReader& zip)
{
    if (section.value(name).isNull())
        return {};
    return readPicture(section.object(name), zip);
}

std::vector<SharedPicture> readMorePhotos(const Fields& front, const ZipReader& zip)
{
    const QString name = QStringLiteral("morePictures");
    const QJsonArray list = front.array(name);
    if (list.size() >= MaxFrontPhotos)
        throw Damaged{QCoreApplication::translate("DesignFile",
                                                  "the setting \"%1\" holds more than %2 photos")
                          .arg(front.pathOf(name))
                          .arg(MaxFrontPhotos)};
    std::vector<SharedPicture> photos;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString path = QStringLiteral("%1[%2]").arg(front.pathOf(name)).arg(i);
        if (!list[i].isObject())
            throw Damaged{QCoreApplication::translate(
                              "DesignFile", "the setting \"%1\" must be a group of settings")
                              .arg(path)};
        photos.push_back(readPicture(Fields(list[i].toObject(), path), zip));
    }
    return photos;
}

void readAddresses(const Fields& section, const ZipReader& zip, CardDocument& design)
{
    design.startCard = section.whole(QStringLiteral("startCard"), 1, MaxStartCard);
    const QString columns = section.text(QStringLiteral("columns"));
    design.addresses = {};
    design.addressColumns = {};
    if (section.value(QStringLiteral("list")).isNull())
        return;
    const Fields list = section.object(QStringLiteral("list"));
    const QString fileName = list.text(QStringLiteral("fileName"));
    QByteArray bytes;
    try {
        bytes =
            zip.read(list.text(QStringLiteral("entry")), MaxAddressListBytes, MaxAddressListBytes);
    } catch (const ZipError& e) {
        throw Damaged{e.reason()};
    }
    // A list the reader refuses says so in its own words, naming the list.
    AddressTable table = readAddressList(bytes, fileName);
    design.addressColumns = AddressColumns::fromText(columns, int(table.header.size()));
    design.addresses = SharedAddressList(std::move(table));
}

// A layout beyond the four of the choice: the built-in ones by number, the user's own by its
// figures in millimetres.
QJsonValue otherLayoutJson(Layout layout)
{
    if (isFirstLayout(layout) || !sheetLayoutAt(layout))
        return QJsonValue::Null;
    const auto own = ownLayoutFigures(layout);
    if (!own)
        return QJsonObject{{QStringLiteral("layout"), int(layout)}};
    return QJsonObject::fromVariantMap(ownLayoutValues(*own));
}

// Millimetres no stock comes near: a paper of a metre is no paper for cards.
constexpr double MostMillimetres = 1000;

void readOtherLayout(const Fields& print, CardDocument& design)
{
    if (print.value(OtherLayoutKey).isNull()) // one of the four, or none
        return;
    const Fields other = print.object(OtherLayoutKey);
    if (other.has(QStringLiteral("layout"))) {
        const int number =
            other.whole(QStringLiteral("layout"), int(Layout::FourA6OnA4), int(Layout::SingleA6));
        design.layout = Layout(number);
        return;
    }
    const auto mm = [&other](const char* name, bool zero) {
        const QString key = QLatin1String(name);
        return zero && other.value(key).toDouble(-1) == 0 ? 0.0
                                                          : other.real(key, 0, MostMillimetres);
    };
    OwnLayout own;
    own.name = other.text(QStringLiteral("name"));
    own.card = QSizeF(mm("cardWidth", false), mm("cardHeight", false));
    own.rows = other.whole(QStringLiteral("rows"), 1, 100);
    own.columns = other.whole(QStringLiteral("columns"), 1, 100);
    own.paper = QSizeF(mm("paperWidth", false), mm("paperHeight", false));
    own.gap = QSizeF(mm("gapAcross", true), mm("gapDown", true));
    own.margin = QPointF(mm("marginLeft", true), mm("marginTop", true));
    if (const QString problem = ownLayoutProblem(own); !problem.isEmpty())
        throw Damaged{QCoreApplication::translate("DesignFile", "its layout \"%1\" is wrong: %2")
                          .arg(own.name, problem)};
    design.layout = ownLayout(own);
}

SettingValue readControl(const Fields& section, const CardSetting& setting)
{
    switch (setting.kind) {
    case SettingKind::Text:
        return section.text(setting.name);
    case SettingKind::Flag:
        return section.flag(setting.name);
    case SettingKind::Choice:
    case SettingKind::Number:
        break;
    }
    return section.whole(setting.name, setting.minimum, setting.maximum);
}

DesignVersion readVersion(const Fields& root)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,4})\\.(\\d{1,4})$"));
    const QRegularExpressionMatch m = form.match(root.text(QStringLiteral("version")));
    if (!m.hasMatch())
        throw Damaged{
            QCoreApplication::translate("DesignFile", "its version is not written as major.minor")};
    return {m.captured(1).toInt(), m.captured(2).toInt()};
}

// Whether the bytes begin as a design does: a ZIP entry "mimetype" holding our MIME type. Then
// whatever fails to read is damage, not a file of some other kind.
bool beginsAsDesign(const QByteArray& bytes)
{
    const std::pair<int, QByteArray> marks[] = {
        {0, QByteArrayLiteral("PK\x03\x04")},
        {30, MimeTypeEntry.toLatin1()},
        {38, DesignMimeType.toLatin1()},
    };
    if (bytes.size() < 4)
        return false;
    for (const auto& [at, mark] : marks) {
        const QByteArray have = bytes.mid(at, mark.size());
        if (!mark.startsWith(have))
            return false;
    }
    return true;
}

CardDocument readSettings(const ZipReader& zip, const CardDocument& defaults)
{
    const QByteArray json = zip.read(SettingsEntry, MaxSettingsBytes, MaxSettingsBytes);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (document.isNull() || !document.isObject())
        throw Damaged{QCoreApplication::translate("DesignFile", "its settings cannot be read (%1)")
                          .arg(error.errorString())};
    const Fields root(document.object(), QString());
    const DesignVersion version = readVersion(root);
    if (version.major > DesignFormat.major)
        throw NewerFormat{version};
    if (version.major < DesignFormat.major)
        throw Damaged{QCoreApplication::translate("DesignFile", "its version %1 is unknown")
                          .arg(version.text())};

    // What a file of an older version lacks keeps the default card's value.
    CardDocument design = defaults;
    for (const CardSetting& setting : cardSettings())
        if (setting.since <= version)
            setting.set(design, readControl(root.object(setting.section), setting));
    const Fields back = root.object(QStringLiteral("back"));
    design.AreaStyleTable = readStyles(back);
    design.corner = readPicture(back, QStringLiteral("cornerPicture"), zip);
    const Fields front = root.object(QStringLiteral("front"));
    design.front = readPicture(front, QStringLiteral("picture"), zip);
    design.morePhotos = version >= MorePhotosSince && design.front ? readMorePhotos(front, zip)
                                                                   : std::vector<SharedPicture>();
    design.FrontFont = readFont(front.object(QStringLiteral("font")));
    design.FrontTextColour = front.colour(QStringLiteral("textColour"));
    design.FrontTextX = front.whole(QStringLiteral("textX"), -MaxTextPlace, MaxTextPlace);
    design.FrontTextY = front.whole(QStringLiteral("textY"), -MaxTextPlace, MaxTextPlace);
    // Files before 1.3 did not say whether the place was picked: a place other than the
    // start-up one can only have been.
    design.FrontTextPicked = version < TextPickedSince
                                 ? QPoint(design.FrontTextX, design.FrontTextY) !=
                                       QPoint(defaults.FrontTextX, defaults.FrontTextY)
                                 : front.flag(QStringLiteral("textPicked"));
    if (version >= AddressListSince)
        readAddresses(root.object(QStringLiteral("addresses")), zip, design);
    if (version >= OtherLayoutSince)
        readOtherLayout(root.object(QStringLiteral("print")), design);
    return design;
}

[[noreturn]] void raiseNotADesign(const QString& fileName)
{
    throw AppError(QCoreApplication::translate(
                       "DesignFile", "The file \"%1\" is not a postcard design of Talmiro Postcard "
                                     "Print, so it cannot be opened as one.")
                       .arg(fileName));
}

} // namespace

QByteArray writeDesign(const CardDocument& design)
{
    std::map<QString, QJsonObject> sections;
    for (const CardSetting& setting : cardSettings())
        sections[setting.section].insert(setting.name, settingJson(setting.get(design)));
    const QString cornerEntry =
        design.corner ? pictureEntry(CornerEntry, *design.corner) : QString();
    const QString frontEntry = design.front ? pictureEntry(FrontEntry, *design.front) : QString();
    QJsonArray morePictures;
    QStringList moreEntries;
    qint64 kept = (design.corner ? design.corner->bytes.size() : 0) +
                  (design.front ? design.front->bytes.size() : 0) +
                  (design.addresses ? design.addresses->bytes.size() : 0);
    for (std::size_t i = 0; i < design.morePhotos.size(); ++i) {
        const SharedPicture& photo = design.morePhotos[i];
        moreEntries << pictureEntry(FrontEntry + QLatin1Char('-') + QString::number(i + 2), *photo);
        morePictures.append(pictureJson(photo, moreEntries.back()));
        kept += photo->bytes.size();
    }
    // A design the program could not open again would lose the card.
    if (kept > MaxKeptBytes)
        throw AppError(QCoreApplication::translate(
                           "DesignFile", "The design could not be saved: its pictures take %1 MB, "
                                         "more than the %2 MB a design holds. Choose fewer or "
                                         "smaller photos.")
                           .arg(kept / MiB)
                           .arg(MaxKeptBytes / MiB));

    QJsonObject& back = sections[QStringLiteral("back")];
    back.insert(QStringLiteral("styles"), stylesJson(design.AreaStyleTable));
    back.insert(QStringLiteral("cornerPicture"), pictureJson(design.corner, cornerEntry));
    QJsonObject& front = sections[QStringLiteral("front")];
    front.insert(QStringLiteral("picture"), pictureJson(design.front, frontEntry));
    front.insert(QStringLiteral("morePictures"), morePictures);
    front.insert(QStringLiteral("font"), fontJson(design.FrontFont));
    front.insert(QStringLiteral("textColour"), colourText(design.FrontTextColour));
    front.insert(QStringLiteral("textX"), design.FrontTextX);
    front.insert(QStringLiteral("textY"), design.FrontTextY);
    front.insert(QStringLiteral("textPicked"), design.FrontTextPicked);

    sections[QStringLiteral("print")].insert(OtherLayoutKey, otherLayoutJson(design.layout));

    QJsonObject root{{QStringLiteral("version"), DesignFormat.text()}};
    for (const auto& [name, section] : sections)
        root.insert(name, section);
    const QString listEntry =
        design.addresses ? AddressListEntry + (design.addresses->vCard ? QStringLiteral(".vcf")
                                                                       : QStringLiteral(".csv"))
                         : QString();
    root.insert(QStringLiteral("addresses"),
                QJsonObject{
                    {QStringLiteral("list"),
                     design.addresses ? QJsonValue(QJsonObject{{QStringLiteral("entry"), listEntry},
                                                               {QStringLiteral("fileName"),
                                                                design.addresses->fileName}})
                                      : QJsonValue(QJsonValue::Null)},
                    {QStringLiteral("columns"), design.addressColumns.text()},
                    {QStringLiteral("startCard"), design.startCard},
                });

    try {
        ZipWriter zip;
        zip.add(MimeTypeEntry, DesignMimeType.toLatin1(), ZipMethod::Store);
        zip.add(SettingsEntry, QJsonDocument(root).toJson(QJsonDocument::Indented),
                ZipMethod::Deflate);
        // Photos are compressed already; stored, they are the file's bytes, unchanged.
        if (design.corner)
            zip.add(cornerEntry, design.corner->bytes, ZipMethod::Store);
        if (design.front)
            zip.add(frontEntry, design.front->bytes, ZipMethod::Store);
        for (std::size_t i = 0; i < design.morePhotos.size(); ++i)
            zip.add(moreEntries[qsizetype(i)], design.morePhotos[i]->bytes, ZipMethod::Store);
        if (design.addresses)
            zip.add(listEntry, design.addresses->bytes, ZipMethod::Deflate);
        return zip.finish();
    } catch (const ZipError& e) {
        throw AppError(
            QCoreApplication::translate("DesignFile", "The design could not be saved: %1.")
                .arg(e.reason()));
    }
}

CardDocument readDesign(const QByteArray& bytes, const CardDocument& defaults,
                        const QString& fileName)
{
    const bool ours = beginsAsDesign(bytes);
    try {
        const ZipReader zip(bytes);
        if (!zip.contains(MimeTypeEntry) || zip.read(MimeTypeEntry, MaxMimeTypeBytes,
                                                     MaxMimeTypeBytes) != DesignMimeType.toLatin1())
            raiseNotADesign(fileName);
        return readSettings(zip, defaults);
    } catch (const ZipError& e) {
        if (!ours && e.notAnArchive())
            raiseNotADesign(fileName);
        throw AppError(QCoreApplication::translate(
                           "DesignFile",
                           "The design \"%1\" cannot be opened: %2. The file is damaged "
                           "or cut short; nothing was changed.")
                           .arg(fileName, e.reason()));
    } catch (const Damaged& e) {
        throw AppError(QCoreApplication::translate(
                           "DesignFile",
                           "The design \"%1\" cannot be opened: %2. The file is damaged "
                           "or cut short; nothing was changed.")
                           .arg(fileName, e.reason));
    } catch (const NewerFormat& e) {
        throw AppError(QCoreApplication::translate(
                           "DesignFile",
                           "The design \"%1\" was saved in design format %2 by a newer "
                           "version of Talmiro Postcard Print; this version reads "
                           "design format %3. Nothing was changed.")
                           .arg(fileName, e.version.text(), DesignFormat.text()));
    }
}

void saveDesignFile(const CardDocument& design, const QString& fileName)
{
    writeWholeFile(fileName, writeDesign(design));
}

CardDocument loadDesignFile(const QString& fileName, const CardDocument& defaults)
{
    const QByteArray bytes = readRegularFile(
        fileName, MaxDesignFileBytes,
        QCoreApplication::translate(
            "DesignFile", "The file \"%1\" is too large to be a postcard design: %2 MB."));
    return readDesign(bytes, defaults, fileName);
}
