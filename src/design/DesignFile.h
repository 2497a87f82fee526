#pragma once
// A postcard design and its file: one ZIP archive holding a "mimetype" entry (stored first, so
// that the file's first bytes say what it is), the settings as readable JSON in "design.json",
// and each picture as the very bytes of the file it was read from (README, "Design files").
#include "DesignSettings.h"
#include "back/AreaStyles.h"

#include <QByteArray>
#include <QFont>
#include <QString>
#include <map>
#include <optional>
#include <variant>

// The MIME type of design files, and their suffix.
inline const QString DesignMimeType = QStringLiteral("application/x-talmiro-postcard");
inline const QString DesignSuffix = QStringLiteral("postcard");

// The largest picture file a design keeps: more than any picture the reader accepts needs.
constexpr qint64 MaxDesignPictureBytes = qint64(512) * 1024 * 1024;

// A picture as its file held it: the bytes unchanged and where they came from.
struct DesignPicture {
    QByteArray bytes;
    QString fileName;
    bool operator==(const DesignPicture&) const = default;
};

using SettingValue = std::variant<bool, int, QString>;

struct CardDesign {
    // One value for each of designControls(), by its key.
    std::map<QString, SettingValue> controls;
    AreaStyleArray styles;
    std::optional<DesignPicture> corner;
    std::optional<DesignPicture> front;
    QFont frontFont;
    TColor frontTextColour = TColors::Black;
    int frontTextX = 0;
    int frontTextY = 0;
    // The user picked the text's place on the preview; otherwise a front turned on its side
    // starts its upward text near the card's lower left corner instead.
    bool frontTextPicked = false;

    bool operator==(const CardDesign&) const = default;
};

// The design file's bytes. Raises AppError.
QByteArray writeDesign(const CardDesign& design);

// Reads a design from a file's bytes; `defaults` gives what a file of an older minor version
// does not hold yet. Everything is checked before anything is returned: a file that is no
// design, is damaged, cut short or of a newer major version raises AppError naming `fileName`.
// The pictures come back as bytes; DesignPictures decodes them.
CardDesign readDesign(const QByteArray& bytes, const CardDesign& defaults, const QString& fileName);

// Writes the design so that an existing file of that name is replaced only once the new one is
// whole. Raises AppError.
void saveDesignFile(const CardDesign& design, const QString& fileName);
// The bytes of a regular file (a pipe or a device is refused at once) of at most `limit` bytes;
// a larger one raises `tooLarge`, given the file's name and its size in MB. Raises AppError.
QByteArray readRegularFile(const QString& fileName, qint64 limit, const QString& tooLarge);
// Reads a regular file of at most about a gigabyte and then as readDesign.
CardDesign loadDesignFile(const QString& fileName, const CardDesign& defaults);
