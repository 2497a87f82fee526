#include "AppError.h"

#include <QCoreApplication>

void raiseCannotOpen(const QString& fileName, const QString& reason)
{
    throw AppError(QCoreApplication::translate("AppError", "Cannot open file \"%1\". %2")
                       .arg(fileName, reason));
}

void raiseCannotCreate(const QString& fileName, const QString& reason)
{
    throw AppError(QCoreApplication::translate("AppError", "Cannot create file \"%1\". %2")
                       .arg(fileName, reason));
}
