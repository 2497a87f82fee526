#include "HeifCodec.h"

#include "AppError.h"
#include "ColourProfile.h"
#include "WholeFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <cstring>
#include <libheif/heif.h>
#include <memory>

namespace
{

// What libheif holds while it decodes, beside the picture's 4 bytes a pixel: the decoded planes
// (YCbCr at up to 16 bits a sample) and, for a turned picture, their turned copy.
constexpr qint64 DecoderBytesPerPixel = 4;
// What is read before the picture's size is known: the boxes that describe the file, its
// metadata and colour profile.
constexpr qint64 MaxHeaderBytes = 64 * 1024 * 1024;
// The most coded data a pixel can take, in bytes: far above what HEVC or AV1 writes.
constexpr qint64 MaxBytesPerPixel = 8;

// The file as libheif reads it: a read fails once the request is cancelled or once `limit`
// bytes have been read.
struct Source {
    QFile* file;
    const std::atomic<bool>* cancel;
    qint64 limit = MaxHeaderBytes;
    qint64 read = 0;
    bool cancelled = false;
    bool overLimit = false;
    bool pastEnd = false;
};

Source& sourceOf(void* userdata)
{
    return *static_cast<Source*>(userdata);
}

int64_t position(void* userdata)
{
    return sourceOf(userdata).file->pos();
}

// libheif asserts that a read of its item data succeeds (and aborts the program otherwise), so
// a read refused for a cancel or the bound hands over zeros instead: the decoder fails on them
// or makes nonsense at once, and the flags say why it is not used.
int readBytes(void* data, size_t size, void* userdata)
{
    Source& s = sourceOf(userdata);
    if (s.cancel && s.cancel->load(std::memory_order_relaxed))
        s.cancelled = true;
    else if (s.read + qint64(size) > s.limit)
        s.overLimit = true;
    if (s.cancelled || s.overLimit) {
        std::memset(data, 0, size);
        s.file->seek(s.file->pos() + qint64(size));
        return 0;
    }
    const qint64 n = s.file->read(static_cast<char*>(data), qint64(size));
    if (n != qint64(size)) {
        s.pastEnd = true;
        std::memset(static_cast<char*>(data) + qMax<qint64>(n, 0), 0,
                    size - std::size_t(qMax<qint64>(n, 0)));
        return 0;
    }
    s.read += n;
    return 0;
}

int seekTo(int64_t position, void* userdata)
{
    return sourceOf(userdata).file->seek(position) ? 0 : 1;
}

heif_reader_grow_status waitForSize(int64_t target, void* userdata)
{
    // libheif asks beyond the end at the end of its boxes: only a short read is a file cut short.
    return target > sourceOf(userdata).file->size() ? heif_reader_grow_status_size_beyond_eof
                                                    : heif_reader_grow_status_size_reached;
}

constexpr heif_reader Reader = {1, position, readBytes, seekTo, waitForSize};

struct ContextFree {
    void operator()(heif_context* c) const { heif_context_free(c); }
};
struct HandleFree {
    void operator()(heif_image_handle* h) const { heif_image_handle_release(h); }
};
struct OptionsFree {
    void operator()(heif_decoding_options* o) const { heif_decoding_options_free(o); }
};

QString heifDetails(const heif_error& error)
{
    return QStringLiteral("libheif %1.%2: %3")
        .arg(int(error.code))
        .arg(int(error.subcode))
        .arg(QString::fromUtf8(error.message ? error.message : ""));
}

// The refusal for a failure of libheif; `inPixels`: it came while decoding the picture.
[[noreturn]] void raiseHeifError(const heif_error& error, const Source& source,
                                 const QString& fileName, bool inPixels)
{
    if (source.cancelled)
        throw PictureCancelled(fileName);
    const QString details = heifDetails(error);
    if (source.overLimit)
        raisePictureTooMuchData(fileName, QSize(), details);
    if (source.pastEnd || error.subcode == heif_suberror_End_of_data)
        raisePictureCutShort(fileName, details);
    if (error.code == heif_error_Memory_allocation_error)
        throw AppError(
            QCoreApplication::translate("Picture", "Not enough memory to read the picture \"%1\".")
                .arg(fileName),
            details);
    if (error.code == heif_error_Unsupported_feature ||
        error.code == heif_error_Unsupported_filetype)
        raisePictureUnsupported(fileName, QStringLiteral("HEIF"),
                                QString::fromUtf8(error.message ? error.message : ""), details);
    if (inPixels)
        raisePictureDamagedInside(fileName, details);
    raisePictureDamaged(fileName, details);
}

// Turns libheif's RGBA bytes into Qt's 32-bit pixels (B, G, R, A in memory) where they lie.
void swapRedAndBlue(uchar* bits, int width, int height, int stride)
{
    for (int y = 0; y < height; ++y) {
        uchar* p = bits + qsizetype(y) * stride;
        for (int x = 0; x < width; ++x, p += 4)
            std::swap(p[0], p[2]);
    }
}

// The colour profile of the picture, as libheif found it: an ICC profile's bytes, or the
// primaries and transfer of an nclx box.
void convertColours(QImage& image, const heif_image_handle* handle)
{
    const heif_color_profile_type type = heif_image_handle_get_color_profile_type(handle);
    if (type == heif_color_profile_type_prof || type == heif_color_profile_type_rICC) {
        QByteArray icc(qsizetype(heif_image_handle_get_raw_color_profile_size(handle)), '\0');
        if (!icc.isEmpty() &&
            heif_image_handle_get_raw_color_profile(handle, icc.data()).code == heif_error_Ok)
            convertToSrgb(image, icc);
        return;
    }
    heif_color_profile_nclx* nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code != heif_error_Ok || !nclx)
        return;
    const ColourPrimaries primaries{{nclx->color_primary_red_x, nclx->color_primary_red_y},
                                    {nclx->color_primary_green_x, nclx->color_primary_green_y},
                                    {nclx->color_primary_blue_x, nclx->color_primary_blue_y},
                                    {nclx->color_primary_white_x, nclx->color_primary_white_y}};
    const bool srgbPrimaries = nclx->color_primaries == heif_color_primaries_ITU_R_BT_709_5 ||
                               nclx->color_primaries == heif_color_primaries_unspecified;
    heif_nclx_color_profile_free(nclx);
    if (!srgbPrimaries)
        convertToSrgb(image, primaries);
}

} // namespace

bool isHeifStart(const QByteArray& start)
{
    if (start.size() < 12 || start.mid(4, 4) != "ftyp")
        return false;
    const heif_filetype_result r =
        heif_check_filetype(reinterpret_cast<const uint8_t*>(start.constData()), int(start.size()));
    return r != heif_filetype_no;
}

Picture readHeifFile(const PictureRequest& request, const PictureLimits& limits,
                     const PictureSizeCheck& checkSize)
{
    const QString& fileName = request.fileName;
    QFile file(fileName);
    openForReading(file);
    Source source{&file, request.progress ? &request.progress->cancel : nullptr};

    const std::unique_ptr<heif_context, ContextFree> context(heif_context_alloc());
    if (!context)
        throw std::bad_alloc();
    heif_error error = heif_context_read_from_reader(context.get(), &Reader, &source, nullptr);
    if (error.code != heif_error_Ok || source.cancelled || source.overLimit || source.pastEnd)
        raiseHeifError(error, source, fileName, false);
    heif_image_handle* rawHandle = nullptr;
    error = heif_context_get_primary_image_handle(context.get(), &rawHandle);
    const std::unique_ptr<heif_image_handle, HandleFree> handle(rawHandle);
    if (error.code != heif_error_Ok)
        raiseHeifError(error, source, fileName, false);

    // The size with the file's rotation and mirroring applied: upright.
    const QSize upright(heif_image_handle_get_width(handle.get()),
                        heif_image_handle_get_height(handle.get()));
    if (checkSize)
        checkSize(upright);
    const qint64 pixels = qint64(upright.width()) * upright.height();
    const QSize needed = sizeNeededFor(upright, request.drawBox);
    const qint64 reduced = needed == upright ? 0 : qint64(needed.width()) * needed.height() * 4;
    const qint64 memory = pixels * (4 + DecoderBytesPerPixel) + reduced;
    if (limits.memoryBytes > 0 && memory > limits.memoryBytes)
        raisePictureTooLarge(fileName, upright, memory, limits.memoryBytes);
    source.limit = source.read + MaxHeaderBytes + pixels * MaxBytesPerPixel;

    const std::unique_ptr<heif_decoding_options, OptionsFree> options(
        heif_decoding_options_alloc());
    options->convert_hdr_to_8bit = 1;
    heif_image* decoded = nullptr;
    error = heif_decode_image(handle.get(), &decoded, heif_colorspace_RGB,
                              heif_chroma_interleaved_RGBA, options.get());
    // Freed with the picture made of its pixels, or here on any failure.
    auto release = [](void* image) { heif_image_release(static_cast<heif_image*>(image)); };
    std::unique_ptr<heif_image, void (*)(heif_image*)> owner(
        decoded, [](heif_image* i) { heif_image_release(i); });
    if (error.code != heif_error_Ok || !decoded)
        raiseHeifError(error, source, fileName, true);
    // Pixels decoded from the zeros given in place of the file's bytes are no picture.
    if (source.cancelled || source.overLimit || source.pastEnd)
        raiseHeifError(error, source, fileName, true);
    if (request.progress && request.progress->cancel.load(std::memory_order_relaxed))
        throw PictureCancelled(fileName);

    int stride = 0;
    uchar* bits = heif_image_get_plane(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (!bits || width <= 0 || height <= 0)
        raisePictureDamagedInside(fileName, QStringLiteral("libheif gave no pixels"));
    swapRedAndBlue(bits, width, height, stride);
    const bool alpha = heif_image_handle_has_alpha_channel(handle.get());
    QImage image(bits, width, height, stride, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32,
                 release, owner.release());
    convertColours(image, handle.get());
    const QSize size = image.size();
    const QSize readNeeded = sizeNeededFor(size, request.drawBox);
    if (readNeeded != size)
        image = image.scaled(readNeeded, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return Picture{image, size, 1};
}
