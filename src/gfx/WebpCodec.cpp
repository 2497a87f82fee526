#include "WebpCodec.h"

#include "AppError.h"
#include "ColourProfile.h"
#include "WholeFile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <memory>
#include <webp/decode.h>
#include <webp/demux.h>

namespace
{

// The file is read whole, in slices of this size, a cancel checked before each; the coded data
// is handed to the decoder in slices of this size too.
constexpr qint64 SliceBytes = 64 * 1024;
// The largest WebP file read: a 16383 x 16383 picture (WebP's largest) stored losslessly takes
// far less.
constexpr qint64 MaxFileBytes = 512 * 1024 * 1024;

struct DemuxDelete {
    void operator()(WebPDemuxer* d) const { WebPDemuxDelete(d); }
};
struct DecoderDelete {
    void operator()(WebPIDecoder* d) const { WebPIDelete(d); }
};

bool cancelled(const PictureRequest& request)
{
    return request.progress && request.progress->cancel.load(std::memory_order_relaxed);
}

QByteArray readWhole(QFile& file, const PictureRequest& request)
{
    if (file.size() > MaxFileBytes)
        raisePictureFileTooLarge(request.fileName, file.size(), MaxFileBytes);
    QByteArray bytes;
    bytes.reserve(file.size());
    while (!file.atEnd()) {
        if (cancelled(request))
            throw PictureCancelled(request.fileName);
        const QByteArray slice = file.read(SliceBytes * 16);
        if (slice.isEmpty())
            raiseCannotOpen(request.fileName, file.errorString());
        bytes += slice;
    }
    return bytes;
}

QString webpDetails(VP8StatusCode status)
{
    return QStringLiteral("libwebp status %1").arg(int(status));
}

// The chunk `name` ("ICCP", "EXIF") of the file, empty when it has none.
QByteArrayView chunk(WebPDemuxer* demux, const char* name)
{
    WebPChunkIterator it;
    if (!WebPDemuxGetChunk(demux, name, 1, &it))
        return {};
    const QByteArrayView bytes(reinterpret_cast<const char*>(it.chunk.bytes),
                               qsizetype(it.chunk.size));
    WebPDemuxReleaseChunkIterator(&it);
    return bytes; // points into the file's bytes, which outlive it
}

int webpOrientation(QByteArrayView exif)
{
    // The chunk holds the TIFF structure, with or without the JPEG marker's "Exif" header.
    if (exif.startsWith(QByteArrayView("Exif\0\0", 6)))
        return exifOrientation(exif);
    if (exif.isEmpty())
        return 1;
    return exifOrientation(QByteArray("Exif\0\0", 6) + exif.toByteArray());
}

} // namespace

bool isWebpStart(const QByteArray& start)
{
    return start.size() >= 12 && start.startsWith("RIFF") && start.mid(8, 4) == "WEBP";
}

Picture readWebpFile(const PictureRequest& request, const PictureLimits& limits,
                     const PictureSizeCheck& checkSize)
{
    const QString& fileName = request.fileName;
    QFile file(fileName);
    openForReading(file);
    const QByteArray bytes = readWhole(file, request);
    const WebPData data{reinterpret_cast<const uint8_t*>(bytes.constData()),
                        std::size_t(bytes.size())};
    WebPDemuxState state;
    const std::unique_ptr<WebPDemuxer, DemuxDelete> demux(WebPDemuxPartial(&data, &state));
    if (!demux || state == WEBP_DEMUX_PARSE_ERROR)
        raisePictureDamaged(fileName, QStringLiteral("WebP container"));
    if (state != WEBP_DEMUX_DONE)
        raisePictureCutShort(fileName, QStringLiteral("WebP container"));
    const QSize canvas(int(WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_WIDTH)),
                       int(WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_HEIGHT)));
    const int orientation = webpOrientation(chunk(demux.get(), "EXIF"));
    const QSize upright = orientedSize(canvas, orientation);
    if (checkSize)
        checkSize(upright);

    WebPIterator frame;
    if (!WebPDemuxGetFrame(demux.get(), 1, &frame))
        raisePictureDamaged(fileName, QStringLiteral("WebP without a frame"));
    const std::unique_ptr<WebPIterator, void (*)(WebPIterator*)> frameOwner(
        &frame, WebPDemuxReleaseIterator);
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config))
        throw AppError(QCoreApplication::translate("Picture", "The WebP decoder cannot be used."));
    const VP8StatusCode features =
        WebPGetFeatures(frame.fragment.bytes, frame.fragment.size, &config.input);
    if (features != VP8_STATUS_OK)
        raisePictureDamaged(fileName, webpDetails(features));
    // A frame that fills the canvas is decoded reduced to what the box needs; the first frame of
    // an animation drawn smaller than its canvas is decoded at full size where it lies.
    const bool whole =
        frame.x_offset == 0 && frame.y_offset == 0 && QSize(frame.width, frame.height) == canvas;
    const QSize stored =
        whole ? sizeNeededFor(canvas, orientedSize(request.drawBox, orientation)) : canvas;
    const qint64 pixelBytes = qint64(stored.width()) * stored.height() * 4;
    const qint64 memory = bytes.size() + pixelBytes * (orientation == 1 ? 1 : 2);
    if (limits.memoryBytes > 0 && memory > limits.memoryBytes)
        raisePictureTooLarge(fileName, upright, memory, limits.memoryBytes);

    const bool alpha = config.input.has_alpha || !whole;
    QImage image(stored, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        raiseNoMemoryFor(fileName, stored);
    if (!whole)
        image.fill(Qt::transparent);
    if (whole && stored != canvas) {
        config.options.use_scaling = 1;
        config.options.scaled_width = stored.width();
        config.options.scaled_height = stored.height();
    }
    config.output.colorspace = MODE_BGRA; // Qt's 32-bit pixels in memory, alpha not premultiplied
    config.output.is_external_memory = 1;
    const qsizetype stride = image.bytesPerLine();
    config.output.u.RGBA.rgba =
        image.bits() + qsizetype(frame.y_offset) * stride + qsizetype(frame.x_offset) * 4;
    config.output.u.RGBA.stride = int(stride);
    config.output.u.RGBA.size =
        std::size_t(image.sizeInBytes()) -
        std::size_t(qsizetype(frame.y_offset) * stride + frame.x_offset * 4);
    const std::unique_ptr<WebPIDecoder, DecoderDelete> decoder(WebPIDecode(nullptr, 0, &config));
    if (!decoder)
        throw AppError(QCoreApplication::translate("Picture", "The WebP decoder cannot be used."));
    VP8StatusCode status = VP8_STATUS_SUSPENDED;
    for (std::size_t given = 0; status == VP8_STATUS_SUSPENDED && given < frame.fragment.size;) {
        if (cancelled(request))
            throw PictureCancelled(fileName);
        given = std::min(frame.fragment.size, given + std::size_t(SliceBytes));
        status = WebPIUpdate(decoder.get(), frame.fragment.bytes, given);
    }
    if (status == VP8_STATUS_SUSPENDED || status == VP8_STATUS_NOT_ENOUGH_DATA)
        raisePictureCutShort(fileName, webpDetails(status));
    if (status != VP8_STATUS_OK)
        raisePictureDamagedInside(fileName, webpDetails(status));
    if (config.input.has_alpha == 0 && whole)
        image.reinterpretAsFormat(QImage::Format_RGB32);
    convertToSrgb(image, chunk(demux.get(), "ICCP"));
    if (orientation != 1)
        image = orientedImage(image, orientation);
    return Picture{image, upright, orientation};
}
