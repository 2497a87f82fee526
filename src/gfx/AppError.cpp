#include "AppError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

void raiseCannotOpen(const QString& fileName, const QString& reason)
{
    throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, reason));
}

void raiseCannotCreate(const QString& fileName, const QString& reason)
{
    throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, reason));
}

void writeWholeFile(const QString& fileName, QByteArrayView bytes)
{
    // Unbuffered, and every count checked: on a full disk a write first comes back short with no
    // error (Qt would commit the cut file), and only the next one fails and says why.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        raiseCannotCreate(fileName, file.errorString());
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            raiseCannotCreate(fileName, file.errorString());
        done += qsizetype(written);
    }
    if (!file.commit())
        raiseCannotCreate(fileName, file.errorString());
}

void openForReading(QFile& file)
{
    // Qt's own reason for a folder reads "file to open is a directory".
    if (QFileInfo(file.fileName()).isDir())
        raiseCannotOpen(file.fileName(), QStringLiteral("It is a folder, not a file."));
    if (!file.open(QIODevice::ReadOnly))
        raiseCannotOpen(file.fileName(), file.errorString());
}
