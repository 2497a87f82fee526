#include "AppError.h"

void raiseCannotOpen(const QString& fileName, const QString& reason)
{
    throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, reason));
}

void raiseCannotCreate(const QString& fileName, const QString& reason)
{
    throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, reason));
}
