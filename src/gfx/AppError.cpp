#include "AppError.h"

#include <QFile>
#include <QFileInfo>

void raiseCannotOpen(const QString& fileName, const QString& reason)
{
    throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, reason));
}

void raiseCannotCreate(const QString& fileName, const QString& reason)
{
    throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, reason));
}

void openForReading(QFile& file)
{
    // Qt's own reason for a folder reads "file to open is a directory".
    if (QFileInfo(file.fileName()).isDir())
        raiseCannotOpen(file.fileName(), QStringLiteral("It is a folder, not a file."));
    if (!file.open(QIODevice::ReadOnly))
        raiseCannotOpen(file.fileName(), file.errorString());
}
