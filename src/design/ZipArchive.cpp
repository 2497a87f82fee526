#include "ZipArchive.h"

#include <zip.h>

#include <cstdio>
#include <ctime>

namespace
{

QString zipReason(zip_error_t* error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

QString archiveReason(zip_t* archive)
{
    return zipReason(zip_get_error(archive));
}

} // namespace

ZipWriter::ZipWriter()
{
    zip_error_t error;
    zip_error_init(&error);
    source_ = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (source_)
        archive_ = zip_open_from_source(source_, ZIP_TRUNCATE, &error);
    if (!archive_) {
        const QString reason = zipReason(&error);
        zip_error_fini(&error);
        if (source_)
            zip_source_free(source_);
        throw ZipError(reason);
    }
    zip_error_fini(&error);
    // The archive writes into the source; it must survive the archive's close to be read.
    zip_source_keep(source_);
}

ZipWriter::~ZipWriter()
{
    if (archive_)
        zip_discard(archive_);
    zip_source_free(source_);
}

void ZipWriter::add(const QString& name, const QByteArray& bytes, ZipMethod method)
{
    kept_.push_back(bytes);
    const QByteArray& data = kept_.back();
    zip_source_t* entry =
        zip_source_buffer(archive_, data.constData(), zip_uint64_t(data.size()), 0);
    if (!entry)
        throw ZipError(archiveReason(archive_));
    const zip_int64_t index =
        zip_file_add(archive_, name.toUtf8().constData(), entry, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(entry);
        throw ZipError(archiveReason(archive_));
    }
    const zip_int32_t zipMethod = method == ZipMethod::Store ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
    if (zip_set_file_compression(archive_, zip_uint64_t(index), zipMethod, 0) != 0 ||
        zip_file_set_mtime(archive_, zip_uint64_t(index), std::time(nullptr), 0) != 0)
        throw ZipError(archiveReason(archive_));
}

QByteArray ZipWriter::finish()
{
    if (zip_close(archive_) != 0)
        throw ZipError(archiveReason(archive_));
    archive_ = nullptr;
    if (zip_source_open(source_) != 0)
        throw ZipError(zipReason(zip_source_error(source_)));
    QByteArray result;
    zip_int64_t got = -1;
    if (zip_source_seek(source_, 0, SEEK_END) == 0) {
        const zip_int64_t size = zip_source_tell(source_);
        if (size >= 0 && zip_source_seek(source_, 0, SEEK_SET) == 0) {
            result.resize(qsizetype(size));
            got = zip_source_read(source_, result.data(), zip_uint64_t(size));
        }
    }
    zip_source_close(source_);
    if (got != zip_int64_t(result.size()))
        throw ZipError(zipReason(zip_source_error(source_)));
    kept_.clear();
    return result;
}

ZipReader::ZipReader(const QByteArray& bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    if (source)
        archive_ = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive_) {
        const bool notAnArchive = zip_error_code_zip(&error) == ZIP_ER_NOZIP;
        const QString reason = zipReason(&error);
        zip_error_fini(&error);
        if (source)
            zip_source_free(source);
        throw ZipError(reason, notAnArchive);
    }
    zip_error_fini(&error);
}

ZipReader::~ZipReader()
{
    zip_discard(archive_);
}

bool ZipReader::contains(const QString& name) const
{
    return zip_name_locate(archive_, name.toUtf8().constData(), ZIP_FL_ENC_UTF_8) >= 0;
}

QByteArray ZipReader::read(const QString& name, qint64 storedLimit, qint64 deflatedLimit) const
{
    const zip_int64_t index =
        zip_name_locate(archive_, name.toUtf8().constData(), ZIP_FL_ENC_UTF_8);
    if (index < 0)
        throw ZipError(QStringLiteral("the entry \"%1\" is missing").arg(name));
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, zip_uint64_t(index), 0, &stat) != 0)
        throw ZipError(archiveReason(archive_));
    const zip_uint64_t needed = ZIP_STAT_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD;
    if ((stat.valid & needed) != needed)
        throw ZipError(QStringLiteral("the entry \"%1\" does not say its size").arg(name));
    if (stat.encryption_method != ZIP_EM_NONE)
        throw ZipError(QStringLiteral("the entry \"%1\" is encrypted").arg(name));
    qint64 limit = 0;
    if (stat.comp_method == ZIP_CM_STORE)
        limit = storedLimit;
    else if (stat.comp_method == ZIP_CM_DEFLATE)
        limit = deflatedLimit;
    else
        throw ZipError(
            QStringLiteral("the entry \"%1\" is compressed in a way this program does not read")
                .arg(name));
    if (stat.size > zip_uint64_t(limit))
        throw ZipError(QStringLiteral("the entry \"%1\" is larger than %2 MB")
                           .arg(name)
                           .arg(limit / (1024 * 1024)));

    zip_file_t* file = zip_fopen_index(archive_, zip_uint64_t(index), 0);
    if (!file)
        throw ZipError(archiveReason(archive_));
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    qsizetype done = 0;
    QString problem;
    while (done < bytes.size()) {
        const zip_int64_t got =
            zip_fread(file, bytes.data() + done, zip_uint64_t(bytes.size() - done));
        if (got <= 0) {
            problem = got < 0 ? zipReason(zip_file_get_error(file))
                              : QStringLiteral("the entry \"%1\" is cut short").arg(name);
            break;
        }
        done += qsizetype(got);
    }
    if (problem.isEmpty()) {
        // Reading past the end is where libzip compares the checksum.
        char extra = 0;
        const zip_int64_t got = zip_fread(file, &extra, 1);
        if (got < 0)
            problem = zipReason(zip_file_get_error(file));
        else if (got > 0)
            problem = QStringLiteral("the entry \"%1\" is longer than it says").arg(name);
    }
    zip_fclose(file);
    if (!problem.isEmpty())
        throw ZipError(problem);
    return bytes;
}
