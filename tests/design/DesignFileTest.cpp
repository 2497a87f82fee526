// The design file: every setting and picture back as it went in, the container as documented,
// and every kind of bad file refused with a clear message before anything is taken from it.
#include "design/DesignFile.h"
#include "design/DesignPictures.h"
#include "design/ZipArchive.h"
#include "gfx/AppError.h"
#include "support/PictureFiles.h"
#include "support/QtPrinters.h"
#include "support/ScratchDisk.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

#include <functional>
#include <sys/stat.h>

namespace
{

const QString Name = QStringLiteral("/home/someone/holiday.postcard");

// A design in which every value differs from the window's start-up one.
SharedPicture keptPicture(QByteArray bytes, const QString& fileName)
{
    CardPicture picture;
    picture.bytes = std::move(bytes);
    picture.fileName = fileName;
    return SharedPicture(std::move(picture));
}

CardDocument sampleDesign()
{
    CardDocument d;
    int n = 0;
    for (const CardSetting& s : cardSettings()) {
        ++n;
        switch (s.kind) {
        case SettingKind::Text:
            s.set(d, QStringLiteral("Line %1 of \"%2\"\nzweite Zeile \u00e9\u00e8 \u2603")
                         .arg(n)
                         .arg(s.key()));
            break;
        case SettingKind::Flag:
            s.set(d, true);
            break;
        case SettingKind::Choice:
        case SettingKind::Number:
            s.set(d, n % 2 ? s.maximum : s.minimum);
            break;
        }
    }
    loadDefaultAreaStyles(d.AreaStyleTable);
    for (std::size_t i = 0; i < d.AreaStyleTable.size(); ++i) {
        d.AreaStyleTable[i].colour = TColor(0x00102030 + 0x00010101 * i);
        d.AreaStyleTable[i].size = int(7 + i);
        d.AreaStyleTable[i].name = i % 2 ? QStringLiteral("DejaVu Serif") : QStringLiteral("Arial");
        d.AreaStyleTable[i].style = FontStyles::fromInt(unsigned(i % 16));
    }
    d.corner = keptPicture(makeBmp(30, 20, 24), QStringLiteral("/pictures/corner.bmp"));
    d.front = keptPicture(makeJpeg(blockPicture(64, 48), JpegKind::Colour),
                          QStringLiteral("/pictures/Beach Day.JPEG"));
    // A photo run: each further photo kept as its own file, in order.
    d.morePhotos = {keptPicture(makeBmp(40, 30, 24), QStringLiteral("/pictures/Dunes.bmp")),
                    keptPicture(makeBmp(20, 50, 24), QStringLiteral("/pictures/pier"))};
    d.FrontFont = QFont(QStringLiteral("DejaVu Sans"));
    d.FrontFont.setPointSizeF(27.5);
    d.FrontFont.setWeight(QFont::DemiBold);
    d.FrontFont.setItalic(true);
    d.FrontFont.setStretch(QFont::Condensed);
    d.FrontFont.setStyleName(QStringLiteral("Condensed Bold Oblique"));
    d.FrontTextColour = 0x00336699;
    d.FrontTextX = 804;
    d.FrontTextY = -12;
    d.addresses = SharedAddressList(readAddressList("Stadt;Name;Stra\xDF"
                                                    "e\nK\xF6ln;Udo;Ring 1\n",
                                                    QStringLiteral("/lists/Freunde.csv")));
    d.addressColumns = {{{1}, {2}, {}, {0, 2}}};
    d.startCard = 3;
    return d;
}

CardDocument defaultsForOlderFiles()
{
    CardDocument d = sampleDesign();
    for (const CardSetting& s : cardSettings())
        s.set(d, std::visit([](auto v) -> SettingValue { return decltype(v)(); }, s.get(d)));
    return d;
}

struct Archive {
    QJsonObject settings;
    std::vector<std::pair<QString, QByteArray>> entries; // the other entries, in order
};

Archive unpack(const QByteArray& bytes)
{
    Archive a;
    const ZipReader zip(bytes);
    a.settings =
        QJsonDocument::fromJson(zip.read(QStringLiteral("design.json"), 1 << 24, 1 << 24)).object();
    for (const char* name : {"mimetype", "pictures/corner.bmp", "pictures/front.jpeg",
                             "pictures/front-2.bmp", "pictures/front-3", "addresses/list.csv"})
        if (zip.contains(QLatin1String(name)))
            a.entries.emplace_back(QLatin1String(name),
                                   zip.read(QLatin1String(name), 1 << 24, 1 << 24));
    return a;
}

QByteArray pack(const Archive& a)
{
    ZipWriter zip;
    zip.add(a.entries.front().first, a.entries.front().second, ZipMethod::Store);
    zip.add(QStringLiteral("design.json"), QJsonDocument(a.settings).toJson(), ZipMethod::Deflate);
    for (std::size_t i = 1; i < a.entries.size(); ++i)
        zip.add(a.entries[i].first, a.entries[i].second, ZipMethod::Store);
    return zip.finish();
}

// The sample design with its settings changed by `edit`.
QByteArray edited(const std::function<void(QJsonObject&)>& edit)
{
    Archive a = unpack(writeDesign(sampleDesign()));
    edit(a.settings);
    return pack(a);
}

QString refusal(const QByteArray& bytes)
{
    try {
        readDesign(bytes, defaultsForOlderFiles(), Name);
    } catch (const AppError& e) {
        return e.text();
    }
    return {};
}

// Every value in the settings, as a path of keys and list indexes.
using Path = std::vector<QJsonValue>;
void collectPaths(const QJsonValue& v, Path& at, std::vector<Path>& out)
{
    if (v.isObject()) {
        const QJsonObject o = v.toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            at.push_back(it.key());
            out.push_back(at);
            collectPaths(it.value(), at, out);
            at.pop_back();
        }
    } else if (v.isArray()) {
        const QJsonArray list = v.toArray();
        for (qsizetype i = 0; i < list.size(); ++i) {
            at.push_back(int(i));
            collectPaths(list[i], at, out);
            at.pop_back();
        }
    }
}

// Replaces (or, with an undefined value, removes) the value at `path`.
QJsonValue replaced(QJsonValue v, const Path& path, std::size_t depth, const QJsonValue& with)
{
    if (depth == path.size())
        return with;
    const QJsonValue& step = path[depth];
    if (step.isString()) {
        QJsonObject o = v.toObject();
        if (depth + 1 == path.size() && with.isUndefined())
            o.remove(step.toString());
        else
            o[step.toString()] = replaced(o[step.toString()], path, depth + 1, with);
        return o;
    }
    QJsonArray list = v.toArray();
    const qsizetype i = step.toInt();
    if (depth + 1 == path.size() && with.isUndefined())
        list.removeAt(i);
    else
        list[i] = replaced(list[i], path, depth + 1, with);
    return list;
}

QString shown(const Path& path)
{
    QString s;
    for (const QJsonValue& step : path)
        s += step.isString() ? (s.isEmpty() ? QString() : QStringLiteral(".")) + step.toString()
                             : QStringLiteral("[%1]").arg(step.toInt());
    return s;
}

TEST(DesignFile, EverySettingAndPictureComesBackAsItWentIn)
{
    const CardDocument design = sampleDesign();
    const CardDocument back = readDesign(writeDesign(design), defaultsForOlderFiles(), Name);
    EXPECT_TRUE(back == design);
    for (const CardSetting& s : cardSettings())
        EXPECT_TRUE(s.get(back) == s.get(design)) << s.key().toStdString();
    EXPECT_EQ(back.AreaStyleTable, design.AreaStyleTable);
    EXPECT_EQ(back.corner->bytes, design.corner->bytes);
    EXPECT_EQ(back.front->fileName, design.front->fileName);
    ASSERT_EQ(back.photoCount(), 3);
    EXPECT_EQ(back.morePhotos[1]->fileName, design.morePhotos[1]->fileName);
    EXPECT_EQ(back.morePhotos[1]->bytes, design.morePhotos[1]->bytes);
    EXPECT_EQ(back.FrontFont, design.FrontFont);
    EXPECT_EQ(back.FrontFont.styleName(), design.FrontFont.styleName());
    EXPECT_EQ(back.listAddresses(), QStringList{QStringLiteral("Udo\nRing 1\nK\u00f6ln Ring 1")});
    EXPECT_EQ(back.startCard, 3);

    // The start-up font is sized in pixels, and a design may have no pictures at all.
    CardDocument plain = design;
    plain.corner = {};
    plain.front = {};
    plain.morePhotos = {};
    plain.FrontFont = QFont(QStringLiteral("Times New Roman"));
    plain.FrontFont.setPixelSize(64);
    plain.FrontFont.setBold(true);
    const CardDocument plainBack = readDesign(writeDesign(plain), defaultsForOlderFiles(), Name);
    EXPECT_TRUE(plainBack == plain);
    EXPECT_EQ(plainBack.FrontFont.pixelSize(), 64);
}

TEST(DesignFile, IsAZipOfTheTypeTheSettingsAsTextAndThePicturesUnchanged)
{
    const CardDocument design = sampleDesign();
    const QByteArray bytes = writeDesign(design);
    // What the MIME type's magic looks for: the stored "mimetype" entry first.
    EXPECT_TRUE(bytes.startsWith("PK\x03\x04"));
    EXPECT_EQ(bytes.mid(30, 8 + DesignMimeType.size()), "mimetype" + DesignMimeType.toLatin1());

    const Archive a = unpack(bytes);
    EXPECT_EQ(a.settings[QStringLiteral("version")].toString(), QStringLiteral("1.5"));
    EXPECT_EQ(a.settings[QStringLiteral("back")][QStringLiteral("title")].toString(), design.title);
    EXPECT_EQ(a.settings[QStringLiteral("front")][QStringLiteral("textColour")].toString(),
              QStringLiteral("#996633"));
    EXPECT_EQ(
        a.settings[QStringLiteral("back")][QStringLiteral("styles")][5][QStringLiteral("area")]
            .toString(),
        QStringLiteral("postCard"));
    ASSERT_EQ(a.entries.size(), 6U);
    EXPECT_EQ(a.entries[1].second, design.corner->bytes);
    EXPECT_EQ(a.entries[2].second, design.front->bytes);
    EXPECT_EQ(a.entries[3].first, QStringLiteral("pictures/front-2.bmp"));
    EXPECT_EQ(a.entries[3].second, design.morePhotos[0]->bytes);
    EXPECT_EQ(a.entries[4].first, QStringLiteral("pictures/front-3"));
    EXPECT_EQ(a.entries[4].second, design.morePhotos[1]->bytes);
    // The list as its file held it (Windows-1252 here), with its columns and start card.
    EXPECT_EQ(a.entries[5].second, design.addresses->bytes);
    EXPECT_EQ(a.settings[QStringLiteral("addresses")][QStringLiteral("columns")].toString(),
              QStringLiteral("1|2||0 2"));
    // Stored: the picture's bytes stand in the file as they are.
    EXPECT_TRUE(bytes.contains(design.front->bytes));
}

TEST(DesignFile, EachSettingMissingOrOfTheWrongTypeIsNamedInTheRefusal)
{
    std::vector<Path> paths;
    Path at;
    collectPaths(unpack(writeDesign(sampleDesign())).settings, at, paths);
    ASSERT_GT(paths.size(), 100U);
    int checked = 0;
    for (const Path& path : paths) {
        const QString name = shown(path);
        // Informative only: the area's name beside each style.
        if (name.endsWith(QStringLiteral(".area")))
            continue;
        const QByteArray missing = edited([&](QJsonObject& o) {
            o = replaced(o, path, 0, QJsonValue(QJsonValue::Undefined)).toObject();
        });
        const QString why = refusal(missing);
        EXPECT_TRUE(why.contains(QStringLiteral("\"%1\" is missing").arg(name)))
            << name.toStdString() << ": " << why.toStdString();
        EXPECT_TRUE(why.contains(QStringLiteral("nothing was changed"))) << why.toStdString();

        // The wrong type: text for numbers, flags and groups, a number for text.
        const QByteArray wrong = edited([&](QJsonObject& o) {
            QJsonValue v = o;
            for (const QJsonValue& step : path)
                v = step.isString() ? v.toObject()[step.toString()] : v.toArray()[step.toInt()];
            const QJsonValue other = v.isString() ? QJsonValue(7) : QJsonValue(QStringLiteral("7"));
            o = replaced(o, path, 0, other).toObject();
        });
        EXPECT_TRUE(refusal(wrong).contains(QStringLiteral("\"%1\" must be").arg(name)))
            << name.toStdString() << ": " << refusal(wrong).toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST(DesignFile, ValuesOutOfTheirRangeAreRefused)
{
    const std::vector<std::pair<QString, std::function<void(QJsonObject&)>>> cases = {
        {"print.copies",
         [](QJsonObject& o) { o["print"] = replaced(o["print"], {"copies"}, 0, 5); }},
        {"print.imageAdjust",
         [](QJsonObject& o) { o["print"] = replaced(o["print"], {"imageAdjust"}, 0, -51); }},
        {"back.addressLines",
         [](QJsonObject& o) { o["back"] = replaced(o["back"], {"addressLines"}, 0, 3); }},
        {"front.size", [](QJsonObject& o) { o["front"] = replaced(o["front"], {"size"}, 0, 1.5); }},
        {"front.textX",
         [](QJsonObject& o) { o["front"] = replaced(o["front"], {"textX"}, 0, 1e12); }},
        {"front.textColour",
         [](QJsonObject& o) { o["front"] = replaced(o["front"], {"textColour"}, 0, "red"); }},
        {"back.styles[3].size",
         [](QJsonObject& o) {
             o["back"] = replaced(o["back"], {"styles", 3, "size"}, 0, 0);
         }},
        {"front.font.pointSize",
         [](QJsonObject& o) {
             o["front"] = replaced(o["front"], {"font", "pointSize"}, 0, 0);
         }},
        {"back.styles",
         [](QJsonObject& o) {
             o["back"] = replaced(o["back"], {"styles", 8}, 0, QJsonValue(QJsonValue::Undefined));
         }},
        {"back.styles", [](QJsonObject& o) { // one more than there are areas
             QJsonArray styles = o["back"][QStringLiteral("styles")].toArray();
             styles.append(styles[0]);
             o["back"] = replaced(o["back"], {"styles"}, 0, styles);
         }}};
    for (const auto& [name, edit] : cases) {
        const QString why = refusal(edited(edit));
        EXPECT_TRUE(why.contains(QStringLiteral("\"%1\"").arg(name)))
            << name.toStdString() << ": " << why.toStdString();
    }
}

TEST(DesignFile, NewerMinorVersionsOpenAndNewerMajorOnesAreRefusedNamingBothVersions)
{
    const QByteArray newerMinor = edited([](QJsonObject& o) {
        o["version"] = "1.7";
        o["print"] = replaced(o["print"], {"duplex"}, 0, "long edge");
        o["sticker"] = QJsonObject{{"shape", "star"}};
    });
    CardDocument opened;
    EXPECT_NO_THROW(opened = readDesign(newerMinor, defaultsForOlderFiles(), Name));
    EXPECT_TRUE(opened == sampleDesign());

    const QString why = refusal(edited([](QJsonObject& o) { o["version"] = "2.0"; }));
    EXPECT_TRUE(why.contains(QStringLiteral("design format 2.0"))) << why.toStdString();
    EXPECT_TRUE(why.contains(QStringLiteral("reads design format 1.5"))) << why.toStdString();
    EXPECT_TRUE(why.contains(Name));

    for (const char* version : {"0.9", "1", "one", "1.0.2", ""})
        EXPECT_TRUE(refusal(edited([&](QJsonObject& o) {
                        o["version"] = version;
                    })).contains(QStringLiteral("damaged")))
            << version;
}

TEST(DesignFile, ADesignSavedByVersionOnePointZeroStillOpens)
{
    // Written by this program at format 1.0; later versions must keep reading it.
    const QByteArray bytes =
        readFile(QStringLiteral(QT_TESTCASE_SOURCEDIR "/design/data/version-1.0.postcard"));
    ASSERT_FALSE(bytes.isEmpty());
    const CardDocument d = readDesign(bytes, defaultsForOlderFiles(), Name);
    EXPECT_EQ(d.title, QStringLiteral("Greetings from the lighthouse"));
    EXPECT_EQ(d.layout, Layout::FourOnSheet);
    EXPECT_EQ(d.copies, 2);
    ASSERT_TRUE(d.corner);
    ASSERT_TRUE(d.front);
    EXPECT_EQ(d.photoCount(), 1);
    EXPECT_FALSE(decodeDesignPicture(*d.front, Name, QStringLiteral("the front")).image.isNull());
    EXPECT_FALSE(decodeDesignPicture(*d.corner, Name, QStringLiteral("the corner")).image.isNull());
    // What a later version added takes the window's default.
    for (const CardSetting& s : cardSettings()) {
        if (DesignVersion{1, 0} < s.since) {
            EXPECT_TRUE(s.get(d) == s.get(defaultsForOlderFiles()));
        }
    }
}

TEST(DesignFile, WhetherTheFrontTextsPlaceWasPickedIsKeptAndForOlderFilesInferred)
{
    // Kept both ways: a turned front draws its text at the picked place or at its own start.
    for (const bool picked : {true, false}) {
        CardDocument design = sampleDesign();
        design.FrontTextPicked = picked;
        EXPECT_EQ(readDesign(writeDesign(design), defaultsForOlderFiles(), Name).FrontTextPicked,
                  picked);
    }
    // A 1.2 file does not say: a place other than the start-up one was picked.
    CardDocument startUp = defaultsForOlderFiles();
    for (const auto& [x, y, picked] : {std::tuple{804, -12, false}, std::tuple{20, 400, true}}) {
        startUp.FrontTextX = x;
        startUp.FrontTextY = y;
        const QByteArray older = edited([](QJsonObject& settings) {
            settings[QStringLiteral("version")] = QStringLiteral("1.2");
            QJsonObject front = settings[QStringLiteral("front")].toObject();
            front.remove(QStringLiteral("textPicked"));
            settings[QStringLiteral("front")] = front;
        });
        EXPECT_EQ(readDesign(older, startUp, Name).FrontTextPicked, picked) << x << "," << y;
    }
}

TEST(DesignFile, CutShortAtAnyPointIsRefusedAsDamaged)
{
    const QByteArray bytes = writeDesign(sampleDesign());
    int cuts = 0;
    for (qsizetype cut = 0; cut < bytes.size(); cut += cut < 200 ? 1 : 37) {
        const QString why = refusal(bytes.left(cut));
        ASSERT_FALSE(why.isEmpty()) << "cut at " << cut;
        if (cut >= 4) {
            EXPECT_TRUE(why.contains(QStringLiteral("damaged or cut short")))
                << cut << why.toStdString();
        }
        ++cuts;
    }
    EXPECT_GT(cuts, 300);
}

TEST(DesignFile, DamageInsideAnEntryIsFoundByItsChecksum)
{
    const CardDocument design = sampleDesign();
    const QByteArray bytes = writeDesign(design);
    const qsizetype front = bytes.indexOf(design.front->bytes);
    ASSERT_GT(front, 0);
    for (qsizetype at : {front + 20, front + design.front->bytes.size() / 2}) {
        QByteArray spoilt = bytes;
        spoilt[at] = char(spoilt[at] ^ 0x40);
        EXPECT_TRUE(refusal(spoilt).contains(QStringLiteral("damaged"))) << at;
    }
    // The deflated settings follow the stored "mimetype" entry.
    QByteArray spoilt = bytes;
    spoilt[120] = char(spoilt[120] ^ 0x01);
    EXPECT_TRUE(refusal(spoilt).contains(QStringLiteral("damaged")))
        << refusal(spoilt).toStdString();
}

TEST(DesignFile, OtherFilesAreNotTakenForDesigns)
{
    ZipWriter other;
    other.add(QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text",
              ZipMethod::Store);
    other.add(QStringLiteral("content.xml"), "<office/>", ZipMethod::Deflate);
    ZipWriter noType;
    noType.add(QStringLiteral("design.json"), "{}", ZipMethod::Deflate);
    const QByteArray files[] = {
        QByteArray(),           "PK",           makeJpeg(blockPicture(16, 16), JpegKind::Colour),
        makeBmp(4, 4, 24),      other.finish(), noType.finish(),
        QByteArray(100000, 'x')};
    for (const QByteArray& file : files) {
        const QString why = refusal(file);
        EXPECT_TRUE(why.contains(QStringLiteral("is not a postcard design"))) << why.toStdString();
    }
}

TEST(DesignFile, HostileEntriesAreRefusedBeforeTheyAreRead)
{
    // A few kilobytes that would inflate to 80 MB of picture.
    Archive a = unpack(writeDesign(sampleDesign()));
    ZipWriter zip;
    zip.add(QStringLiteral("mimetype"), DesignMimeType.toLatin1(), ZipMethod::Store);
    zip.add(QStringLiteral("design.json"), QJsonDocument(a.settings).toJson(), ZipMethod::Deflate);
    zip.add(QStringLiteral("pictures/corner.bmp"), a.entries[1].second, ZipMethod::Store);
    zip.add(QStringLiteral("pictures/front.jpeg"), QByteArray(80 * 1024 * 1024, '\0'),
            ZipMethod::Deflate);
    const QByteArray bomb = zip.finish();
    EXPECT_LT(bomb.size(), 200 * 1024);
    EXPECT_TRUE(refusal(bomb).contains(QStringLiteral("larger than 64 MB")))
        << refusal(bomb).toStdString();
    // A photo over 64 MB, stored as it is, is no bomb: it comes back whole.
    CardDocument large = sampleDesign();
    CardPicture bigger = *large.front;
    bigger.bytes += QByteArray(65 * 1024 * 1024, '\0');
    large.front = SharedPicture(bigger);
    EXPECT_EQ(readDesign(writeDesign(large), defaultsForOlderFiles(), Name).front->bytes,
              large.front->bytes);

    // Settings that would inflate to 20 MB (a whole design padded with blanks) are refused
    // before they are parsed.
    ZipWriter wordy;
    wordy.add(QStringLiteral("mimetype"), DesignMimeType.toLatin1(), ZipMethod::Store);
    wordy.add(QStringLiteral("design.json"),
              QJsonDocument(a.settings).toJson() + QByteArray(20 * 1024 * 1024, ' '),
              ZipMethod::Deflate);
    for (const auto& [name, bytes] : a.entries)
        if (name.startsWith(QStringLiteral("pictures/")))
            wordy.add(name, bytes, ZipMethod::Store);
    const QString wordyWhy = refusal(wordy.finish());
    EXPECT_TRUE(wordyWhy.contains(QStringLiteral("larger than 16 MB"))) << wordyWhy.toStdString();

    // An entry that names something the archive does not hold, or settings that are not JSON.
    EXPECT_TRUE(refusal(edited([](QJsonObject& o) {
                    o["front"] = replaced(o["front"], {"picture", "entry"}, 0, "../../etc/passwd");
                })).contains(QStringLiteral("\"../../etc/passwd\" is missing")));
    a.settings = QJsonObject();
    ZipWriter notJson;
    notJson.add(QStringLiteral("mimetype"), DesignMimeType.toLatin1(), ZipMethod::Store);
    notJson.add(QStringLiteral("design.json"), QByteArray(5000, '['), ZipMethod::Deflate);
    EXPECT_TRUE(refusal(notJson.finish()).contains(QStringLiteral("settings cannot be read")));
}

TEST(DesignPictures, ADamagedPictureInsideIsRefusedNamingTheDesignAndThePicture)
{
    const SharedPicture cut = keptPicture(
        makeJpeg(blockPicture(64, 48), JpegKind::Colour).left(300), "/pictures/beach.jpg");
    const SharedPicture huge =
        keptPicture(withJpegSize(makeJpeg(blockPicture(16, 16), JpegKind::Colour), 60000, 60000),
                    QStringLiteral("/pictures/huge.jpg"));
    const SharedPicture notBmp = keptPicture("BM not really a bitmap", "/p/x.bmp");
    // The same words as for the picture file itself, naming that file, and no decoder's code.
    const std::pair<SharedPicture, QString> pictures[] = {
        {cut, QStringLiteral("The file \"/pictures/beach.jpg\" ends before its picture does; it "
                             "may have been cut short while copying.")},
        {huge, QStringLiteral("The file \"/pictures/huge.jpg\" ends before its picture does; it "
                              "may have been cut short while copying.")},
        {notBmp, QStringLiteral("The picture \"/p/x.bmp\" is damaged and cannot be read.")},
    };
    for (const auto& [p, reason] : pictures) {
        try {
            decodeDesignPicture(*p, Name, QStringLiteral("the postcard front"));
            ADD_FAILURE() << p->fileName.toStdString() << " was decoded";
        } catch (const AppError& e) {
            EXPECT_EQ(e.text(), QStringLiteral("The design \"%1\" cannot be opened: its picture "
                                               "for the postcard front cannot be used. %2 Nothing "
                                               "was changed.")
                                    .arg(Name, reason));
            EXPECT_FALSE(e.text().contains(QDir::tempPath())) << e.text().toStdString();
        }
    }
}

TEST(DesignFile, OnlyRegularFilesAreRead)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.postcard"));
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    for (const QString& name : {pipe, dir.path(), dir.filePath(QStringLiteral("gone.postcard"))}) {
        try {
            loadDesignFile(name, defaultsForOlderFiles());
            ADD_FAILURE() << name.toStdString();
        } catch (const AppError& e) {
            EXPECT_TRUE(e.text().startsWith(QStringLiteral("Cannot open file \"%1\"").arg(name)))
                << e.text().toStdString();
        }
        EXPECT_THROW(readDesignPictureBytes(name), AppError);
    }
    // Files too large are refused by their size before they are read (these are sparse); a
    // design of two large photos is not too large.
    const auto sparse = [&](const char* name, qint64 mb) {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(mb * 1024 * 1024));
        return file.fileName();
    };
    const auto errorOf = [](const std::function<void()>& read) {
        try {
            read();
        } catch (const AppError& e) {
            return e.text();
        }
        return QString();
    };
    const QString photo = sparse("photo.jpg", 513);
    EXPECT_EQ(errorOf([&] { readDesignPictureBytes(photo); }),
              QStringLiteral("The picture file \"%1\" is too large: it has 513 MB, and a picture "
                             "file may have at most 512 MB.")
                  .arg(photo));
    const QString huge = sparse("huge.postcard", 1042);
    EXPECT_EQ(
        errorOf([&] { loadDesignFile(huge, defaultsForOlderFiles()); }),
        QStringLiteral("The file \"%1\" is too large to be a postcard design: 1042 MB.").arg(huge));
    const QString two = sparse("two-photos.postcard", 530);
    EXPECT_TRUE(errorOf([&] {
                    loadDesignFile(two, defaultsForOlderFiles());
                }).contains(QStringLiteral("is not a postcard design")));
}

TEST(DesignFile, ASaveThatFailsLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("card.postcard"));
    const CardDocument design = sampleDesign();
    saveDesignFile(design, file);
    const QByteArray before = readFile(file);

    // A name that cannot be replaced (a folder).
    EXPECT_TRUE(loadDesignFile(file, defaultsForOlderFiles()) == design);
    EXPECT_THROW(saveDesignFile(design, dir.path()), AppError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"card.postcard"});

    // A disk that fills up while the larger design is written.
    ScratchDisk disk(dir.filePath(QStringLiteral("disk")), 256);
    REQUIRE_MOUNTED(disk);
    const QString onDisk = disk.file(QStringLiteral("card.postcard"));
    saveDesignFile(design, onDisk);
    CardDocument larger = design;
    QImage noise(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, (x * 2654435761U) ^ (y * 40503U) ^ (x * y * 97U));
    larger.front = keptPicture(makeJpeg(noise, JpegKind::Colour, 100), larger.front->fileName);
    ASSERT_GT(larger.front->bytes.size(), 300 * 1024);
    try {
        saveDesignFile(larger, onDisk);
        ADD_FAILURE() << "the full disk took the design";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("Cannot create file \"%1\"").arg(onDisk)))
            << e.text().toStdString();
    }
    EXPECT_TRUE(loadDesignFile(onDisk, defaultsForOlderFiles()) == design);
    EXPECT_EQ(disk.entries(), QStringList{"card.postcard"});
}

} // namespace
