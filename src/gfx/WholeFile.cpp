#include "WholeFile.h"

#include "AppError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Writes every byte at the file's start, counting each write (see writeWholeFile).
bool writeAllAtStart(QFile& file, QByteArrayView bytes)
{
    if (!file.seek(0))
        return false;
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += qsizetype(written);
    }
    return file.resize(bytes.size());
}

// A folder that takes no new file (read-only) may still hold a writable file of that name: it
// is then overwritten where it stands. Its former bytes are kept in memory and written back
// over the blocks they had when the new ones do not all go in, so a failure leaves it whole.
// False when the file cannot be opened that way; raises when the new bytes do not go in.
bool replaceInPlace(const QString& fileName, QByteArrayView bytes)
{
    QFile file(fileName);
    if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const QByteArray former = file.readAll();
    if (file.error() != QFileDevice::NoError || former.size() != file.size())
        return false;
    if (writeAllAtStart(file, bytes))
        return true;
    const QString reason = file.errorString();
    writeAllAtStart(file, former);
    raiseCannotCreate(fileName, reason);
}

} // namespace

void writeWholeFile(const QString& fileName, QByteArrayView bytes)
{
    // Unbuffered, and every count checked: on a full disk a write first comes back short with no
    // error (Qt would commit the cut file), and only the next one fails and says why.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (replaceInPlace(fileName, bytes))
            return;
        raiseCannotCreate(fileName, file.errorString());
    }
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
        raiseCannotOpen(
            name, folder ? QCoreApplication::translate("AppError", "It is a folder, not a file.")
                         : QCoreApplication::translate("AppError",
                                                       "It is not a file but a device or a pipe."));
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        raiseCannotOpen(name, file.errorString());
    }
}

QByteArray readRegularFile(const QString& fileName, qint64 limit, const QString& tooLarge)
{
    const QFileInfo info(fileName);
    // A pipe or a device would block the window or never end: only regular files are read.
    if (info.exists() && !info.isDir() && !info.isFile())
        raiseCannotOpen(fileName,
                        QCoreApplication::translate("DesignFile", "It is not a regular file."));
    QFile file(fileName);
    openForReading(file);
    if (file.size() > limit)
        throw AppError(tooLarge.arg(fileName).arg(file.size() / (1024 * 1024)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        raiseCannotOpen(fileName, file.errorString());
    return bytes;
}
