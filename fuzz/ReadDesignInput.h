#pragma once
// One input of the design fuzzer, shared with the test that replays its corpus: the bytes read
// as a design file and, when they are one, its pictures decoded as opening it does. A refusal
// must be an AppError; anything else escaping is a finding.
#include "back/CornerImage.h"
#include "design/DesignFile.h"
#include "design/DesignPictures.h"
#include "gfx/AppError.h"

// What the window gives a design of an older version: each control at its kind's plainest.
inline const CardDesign& fuzzDesignDefaults()
{
    static const CardDesign defaults = [] {
        CardDesign d;
        for (const ControlSetting& s : designControls()) {
            if (s.kind == SettingKind::Text)
                d.controls[s.key()] = QString();
            else if (s.kind == SettingKind::Flag)
                d.controls[s.key()] = false;
            else
                d.controls[s.key()] = s.minimum;
        }
        return d;
    }();
    return defaults;
}

inline void ReadAndDecodeDesign(const QByteArray& bytes)
{
    const QString name = QStringLiteral("fuzz.postcard");
    try {
        const CardDesign design = readDesign(bytes, fuzzDesignDefaults(), name);
        for (const auto& picture : {design.corner, design.front}) {
            if (!picture)
                continue;
            const QImage image = decodeDesignPicture(*picture, name, QStringLiteral("a picture"));
            QImage box(CornerPreviewSide, CornerPreviewSide, QImage::Format_RGB32);
            DrawCornerPreview(box, image, TColors::Cream);
        }
    } catch (const AppError&) {
    }
}
