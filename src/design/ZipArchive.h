#pragma once
// The design file's container, on libzip: an archive built in memory, and an archive read from
// memory whose entries are checked (size, method, checksum) before anything is taken from them.
#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

struct zip;
struct zip_source;

// Why an archive or one of its entries could not be read; `notAnArchive` when the bytes are no
// ZIP archive at all.
class ZipError : public std::runtime_error
{
public:
    ZipError(const QString& reason, bool notAnArchive = false)
        : std::runtime_error(reason.toStdString()), reason_(reason), notAnArchive_(notAnArchive)
    {
    }
    const QString& reason() const { return reason_; }
    bool notAnArchive() const { return notAnArchive_; }

private:
    QString reason_;
    bool notAnArchive_;
};

enum class ZipMethod { Store, Deflate };

// Entries are added in order; finish() returns the whole archive. Raises ZipError.
class ZipWriter
{
public:
    ZipWriter();
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // The bytes are shared, not copied, until finish().
    void add(const QString& name, const QByteArray& bytes, ZipMethod method);
    QByteArray finish();

private:
    zip_source* source_ = nullptr;
    zip* archive_ = nullptr;
    std::vector<QByteArray> kept_;
};

// Reads the archive held in `bytes`, which must outlive the reader. Raises ZipError.
class ZipReader
{
public:
    explicit ZipReader(const QByteArray& bytes);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    bool contains(const QString& name) const;
    // The entry's bytes. Refused: a missing entry, an encrypted one, one compressed other than
    // stored or deflated, one larger than `storedLimit` (stored, so the file itself holds every
    // byte) or `deflatedLimit` (deflated, where a few bytes can claim a great many), one cut
    // short, longer than it says, or failing its checksum.
    QByteArray read(const QString& name, qint64 storedLimit, qint64 deflatedLimit) const;

private:
    zip* archive_ = nullptr;
};
