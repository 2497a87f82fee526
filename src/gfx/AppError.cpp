#include "AppError.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const QString name = file.fileName();
    // Opened without waiting: opening a named pipe would otherwise block until a writer comes.
    // What it is, is then asked of the opened file itself, not of its name, which may since
    // name another.
    const int fd = ::open(QFile::encodeName(name).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        raiseCannotOpen(name, QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const bool folder = S_ISDIR(st.st_mode);
        ::close(fd);
        // Qt's own reason for a folder reads "file to open is a directory".
        raiseCannotOpen(name, folder ? QStringLiteral("It is a folder, not a file.")
                                     : QStringLiteral("It is not a file but a device or a pipe."));
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        raiseCannotOpen(name, file.errorString());
    }
}
