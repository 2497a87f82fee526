#pragma once
// Files read and written whole: nothing half-written is ever left under a user's file name, and
// nothing is read from what is not a regular file.
#include <QByteArray>
#include <QString>

class QByteArrayView;
class QFile;

// Writes `bytes` to a temporary file that replaces any file of that name only once every byte
// is written; otherwise raises "Cannot create file "%s". %s" with the system's reason and leaves
// the file of that name as it was. Where the folder takes no temporary file but the file of that
// name is writable, the file is overwritten in place, and put back as it was on a failure.
void writeWholeFile(const QString& fileName, QByteArrayView bytes);

// Opens `file` for reading, or raises "Cannot open file "%s". %s". Only a regular file is
// opened: a folder, a pipe or a device is refused at once, never waited on.
void openForReading(QFile& file);

// The bytes of a regular file (a pipe or a device is refused at once) of at most `limit` bytes;
// a larger one raises `tooLarge`, given the file's name and its size in MB. Raises AppError.
QByteArray readRegularFile(const QString& fileName, qint64 limit, const QString& tooLarge);
