#pragma once
// A postcard design and its file: one ZIP archive holding a "mimetype" entry (stored first, so
// that the file's first bytes say what it is), the settings as readable JSON in "design.json",
// and each picture as the very bytes of the file it was read from (README, "Design files").
#include "document/CardDocument.h"
#include "document/CardSettings.h"

#include <QByteArray>
#include <QString>

// The MIME type of design files, and their suffix.
inline const QString DesignMimeType = QStringLiteral("application/x-talmiro-postcard");
inline const QString DesignSuffix = QStringLiteral("postcard");

// The largest picture file a design keeps: more than any picture the reader accepts needs.
constexpr qint64 MaxDesignPictureBytes = qint64(512) * 1024 * 1024;

// The design file's bytes. Raises AppError.
QByteArray writeDesign(const CardDocument& design);

// Reads a design from a file's bytes; `defaults` gives what a file of an older minor version
// does not hold yet. Everything is checked before anything is returned: a file that is no
// design, is damaged, cut short or of a newer major version raises AppError naming `fileName`.
// The pictures come back as their files' bytes, not decoded; DesignPictures decodes them.
CardDocument readDesign(const QByteArray& bytes, const CardDocument& defaults,
                        const QString& fileName);

// Writes the design so that an existing file of that name is replaced only once the new one is
// whole. Raises AppError.
void saveDesignFile(const CardDocument& design, const QString& fileName);
// Reads a regular file of at most about a gigabyte and then as readDesign.
CardDocument loadDesignFile(const QString& fileName, const CardDocument& defaults);
