#pragma once
// One input of the design fuzzer, shared with the test that replays its corpus: the bytes read
// as a design file and, when they are one, its pictures decoded as opening it does. An input
// that starts with "{" is taken for the settings alone and packed into a design first, so that
// the fuzzer reaches the checks of the settings without having to mend the archive's checksums.
// A refusal must be an AppError; anything else escaping is a finding.
#include "back/CornerImage.h"
#include "design/DesignFile.h"
#include "design/DesignPictures.h"
#include "design/ZipArchive.h"
#include "gfx/AppError.h"

// What the window gives a design of an older version: each control at its kind's plainest.
inline const CardDocument& fuzzDesignDefaults()
{
    static const CardDocument defaults = [] {
        CardDocument d;
        for (const CardSetting& s : cardSettings()) {
            if (s.kind == SettingKind::Text)
                s.set(d, QString());
            else if (s.kind == SettingKind::Flag)
                s.set(d, false);
            else
                s.set(d, s.minimum);
        }
        return d;
    }();
    return defaults;
}

// A design of these settings, with the pictures the seeds' settings name (a 2 x 2 bitmap, and
// the start of a JPEG, which its decoder refuses).
inline QByteArray designOfSettings(const QByteArray& settings)
{
    static const QByteArray bitmap = QByteArray::fromHex(
        "424d460000000000000036000000280000000200000002000000010018000000000010000000130b0000130b"
        "000000000000000000000000ff00ff000000ff0000ffffff0000");
    ZipWriter zip;
    zip.add(QStringLiteral("mimetype"), DesignMimeType.toLatin1(), ZipMethod::Store);
    zip.add(QStringLiteral("design.json"), settings, ZipMethod::Deflate);
    zip.add(QStringLiteral("pictures/corner.bmp"), bitmap, ZipMethod::Store);
    zip.add(QStringLiteral("pictures/front.jpg"), QByteArray("\xFF\xD8\xFF\xE0"), ZipMethod::Store);
    return zip.finish();
}

inline void readAndDecodeDesign(const QByteArray& input)
{
    const QString name = QStringLiteral("fuzz.postcard");
    try {
        const QByteArray bytes = input.startsWith('{') ? designOfSettings(input) : input;
        const CardDocument design = readDesign(bytes, fuzzDesignDefaults(), name);
        for (const auto& picture : {design.corner, design.front}) {
            if (!picture)
                continue;
            const Picture read = decodeDesignPicture(*picture, name, QStringLiteral("a picture"),
                                                     QSize(CornerBoxSide, CornerBoxSide));
            QImage box(CornerPreviewSide, CornerPreviewSide, QImage::Format_RGB32);
            drawCornerPreview(box, read.image, read.trueSize, TColors::Cream);
        }
    } catch (const AppError&) {
    }
}
