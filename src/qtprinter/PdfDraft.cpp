#include "PdfDraft.h"

#include "QtPrinterDevice.h"
#include "gfx/AppError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace
{

// "Cannot create file ..." with the system's reason, after what was not done.
[[noreturn]] void raiseNotWritten(const QString& nothingDone, const QString& fileName,
                                  const QString& reason)
{
    try {
        raiseCannotCreate(fileName, reason);
    } catch (const AppError& e) {
        throw AppError(nothingDone + e.text());
    }
}

} // namespace

// The draft file as the PDF writer sees it. A file forgets a failed write at the next one, and
// the PDF writer does not look: the first failure's reason (a full disk) is kept here, and
// nothing more is written after it.
class PdfDraft::Writer : public QIODevice
{
public:
    explicit Writer(QFile& file) : file_(file) { open(QIODevice::WriteOnly); }
    const QString& failure() const { return failure_; }
    void fail(const QString& reason)
    {
        if (failure_.isEmpty())
            failure_ = reason;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        for (qint64 done = 0; done < size && failure_.isEmpty();) {
            const qint64 written = file_.write(data + done, size - done);
            if (written <= 0)
                fail(file_.errorString());
            done += std::max<qint64>(written, 0);
        }
        return failure_.isEmpty() ? size : -1;
    }

private:
    QFile& file_;
    QString failure_;
};

PdfDraft::PdfDraft(QString target) : target_(std::move(target))
{
    const QFileInfo info(target_);
    // Hidden and marked as partial, so that nobody takes it for the finished file.
    file_ = std::make_unique<QTemporaryFile>(
        info.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(info.fileName())));
    if (file_->open()) {
        // A temporary file is the owner's alone; the finished one is readable as any other.
        file_->setPermissions(info.exists() ? info.permissions()
                                            : QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadGroup | QFile::ReadOther);
        writer_ = std::make_unique<Writer>(*file_);
        return;
    }
    file_.reset();
    memory_.open(QIODevice::WriteOnly);
}

PdfDraft::~PdfDraft() = default; // QTemporaryFile removes its file unless renamed

QIODevice& PdfDraft::device()
{
    if (writer_)
        return *writer_;
    return memory_;
}

void PdfDraft::finish(const QString& nothingDone)
{
    if (!file_) {
        writeWholePdf(target_, memory_.data(), nothingDone);
        return;
    }
    const QString shown = QDir::toNativeSeparators(target_);
    // Every byte on the disk before the draft is judged: a full disk shows here.
    if (!file_->flush())
        writer_->fail(file_->errorString());
    if (!writer_->failure().isEmpty())
        raiseNotWritten(nothingDone, target_, writer_->failure());
    if (!isCompletePdf(*file_))
        throw AppError(nothingDone +
                       QCoreApplication::translate("QtPrinterDevice",
                                                   "The PDF output for \"%1\" came out incomplete.")
                           .arg(shown));
    const QString draft = file_->fileName();
    // Renamed over the target in one step: the file of that name is the old one or the new one.
    if (std::rename(QFile::encodeName(draft).constData(), QFile::encodeName(target_).constData()) !=
        0)
        raiseNotWritten(nothingDone, target_, QString::fromLocal8Bit(std::strerror(errno)));
    file_->setAutoRemove(false);
    writer_.reset();
    file_->close();
    file_.reset();
}
