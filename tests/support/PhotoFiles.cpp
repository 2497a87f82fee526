#include "PhotoFiles.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageWriter>
#include <QtEndian>

#include <libheif/heif.h>
#include <stdexcept>
#include <webp/encode.h>
#include <webp/mux.h>

namespace
{

void check(const heif_error& e, const char* what)
{
    if (e.code != heif_error_Ok)
        throw std::runtime_error(std::string(what) + ": " + (e.message ? e.message : ""));
}

heif_image* heifImage(const QImage& picture, const QByteArray& icc)
{
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    heif_image* image = nullptr;
    check(heif_image_create(rgba.width(), rgba.height(), heif_colorspace_RGB,
                            heif_chroma_interleaved_RGBA, &image),
          "heif_image_create");
    check(heif_image_add_plane(image, heif_channel_interleaved, rgba.width(), rgba.height(), 8),
          "heif_image_add_plane");
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgba.height(); ++y)
        std::memcpy(plane + qsizetype(y) * stride, rgba.constScanLine(y),
                    std::size_t(rgba.width()) * 4);
    if (!icc.isEmpty())
        check(heif_image_set_raw_color_profile(image, "prof", icc.constData(),
                                               std::size_t(icc.size())),
              "heif_image_set_raw_color_profile");
    return image;
}

heif_error appendTo(heif_context*, const void* data, size_t size, void* userdata)
{
    static_cast<QByteArray*>(userdata)->append(static_cast<const char*>(data), qsizetype(size));
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

heif_compression_format formatOf(HeifCodecKind codec)
{
    return codec == HeifCodecKind::Hevc ? heif_compression_HEVC : heif_compression_AV1;
}

} // namespace

bool canEncodeHeif(HeifCodecKind codec)
{
    return heif_have_encoder_for_format(formatOf(codec));
}

QByteArray makeHeif(const QImage& picture, HeifCodecKind codec, const QByteArray& icc,
                    const QList<QImage>& more)
{
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    check(heif_context_get_encoder_for_format(context, formatOf(codec), &encoder), "encoder");
    heif_encoder_set_lossy_quality(encoder, 90);
    // 4:4:4, so that flat colours come back as they went in.
    heif_encoder_set_parameter_string(encoder, "chroma", "444");
    for (const QImage& other : more) {
        heif_image* image = heifImage(other, {});
        check(heif_context_encode_image(context, image, encoder, nullptr, nullptr), "encode");
        heif_image_release(image);
    }
    heif_image* image = heifImage(picture, icc);
    heif_image_handle* handle = nullptr;
    check(heif_context_encode_image(context, image, encoder, nullptr, &handle), "encode");
    check(heif_context_set_primary_image(context, handle), "primary");
    heif_image_handle_release(handle);
    heif_image_release(image);
    heif_encoder_release(encoder);
    QByteArray bytes;
    heif_writer writer{1, appendTo};
    check(heif_context_write(context, &writer, &bytes), "write");
    heif_context_free(context);
    return bytes;
}

namespace
{

QByteArray webpData(const WebPData& data)
{
    return QByteArray(reinterpret_cast<const char*>(data.bytes), qsizetype(data.size));
}

// The TIFF structure of an EXIF block holding only an orientation, little-endian.
QByteArray exifTiff(int orientation)
{
    QByteArray tiff(8 + 2 + 12 + 4, '\0');
    char* p = tiff.data();
    tiff[0] = tiff[1] = 'I';
    qToLittleEndian<quint16>(42, p + 2);
    qToLittleEndian<quint32>(8, p + 4);
    qToLittleEndian<quint16>(1, p + 8);
    qToLittleEndian<quint16>(0x0112, p + 10);
    qToLittleEndian<quint16>(3, p + 12);
    qToLittleEndian<quint32>(1, p + 14);
    qToLittleEndian<quint16>(quint16(orientation), p + 18);
    return tiff;
}

} // namespace

QByteArray makeWebp(const QImage& picture, bool lossless, const QByteArray& icc, int orientation)
{
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    uint8_t* out = nullptr;
    const std::size_t size =
        lossless ? WebPEncodeLosslessRGBA(rgba.constBits(), rgba.width(), rgba.height(),
                                          int(rgba.bytesPerLine()), &out)
                 : WebPEncodeRGBA(rgba.constBits(), rgba.width(), rgba.height(),
                                  int(rgba.bytesPerLine()), 90, &out);
    if (size == 0)
        throw std::runtime_error("WebP encoding failed");
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    WebPFree(out);
    if (icc.isEmpty() && orientation == 1)
        return bytes;
    const WebPData image{reinterpret_cast<const uint8_t*>(bytes.constData()),
                         std::size_t(bytes.size())};
    WebPMux* mux = WebPMuxNew();
    WebPMuxSetImage(mux, &image, 1);
    const QByteArray exif = exifTiff(orientation);
    if (!icc.isEmpty()) {
        const WebPData chunk{reinterpret_cast<const uint8_t*>(icc.constData()),
                             std::size_t(icc.size())};
        WebPMuxSetChunk(mux, "ICCP", &chunk, 1);
    }
    if (orientation != 1) {
        const WebPData chunk{reinterpret_cast<const uint8_t*>(exif.constData()),
                             std::size_t(exif.size())};
        WebPMuxSetChunk(mux, "EXIF", &chunk, 1);
    }
    WebPData assembled;
    WebPDataInit(&assembled);
    if (WebPMuxAssemble(mux, &assembled) != WEBP_MUX_OK)
        throw std::runtime_error("WebP mux failed");
    const QByteArray result = webpData(assembled);
    WebPDataClear(&assembled);
    WebPMuxDelete(mux);
    return result;
}

QByteArray makeAnimatedWebp(const QList<QImage>& frames)
{
    const QSize size = frames.first().size();
    WebPAnimEncoderOptions options;
    WebPAnimEncoderOptionsInit(&options);
    WebPAnimEncoder* encoder = WebPAnimEncoderNew(size.width(), size.height(), &options);
    WebPConfig config;
    WebPConfigInit(&config);
    config.lossless = 1;
    int timestamp = 0;
    for (const QImage& frame : frames) {
        const QImage rgba = frame.convertToFormat(QImage::Format_RGBA8888);
        WebPPicture picture;
        WebPPictureInit(&picture);
        picture.use_argb = 1;
        picture.width = size.width();
        picture.height = size.height();
        WebPPictureImportRGBA(&picture, rgba.constBits(), int(rgba.bytesPerLine()));
        WebPAnimEncoderAdd(encoder, &picture, timestamp, &config);
        WebPPictureFree(&picture);
        timestamp += 100;
    }
    WebPAnimEncoderAdd(encoder, nullptr, timestamp, nullptr);
    WebPData assembled;
    WebPDataInit(&assembled);
    if (!WebPAnimEncoderAssemble(encoder, &assembled))
        throw std::runtime_error("WebP animation failed");
    const QByteArray result = webpData(assembled);
    WebPDataClear(&assembled);
    WebPAnimEncoderDelete(encoder);
    return result;
}

QByteArray makeWithQt(const QImage& picture, const char* format, const QByteArray& icc)
{
    QImage tagged = picture;
    if (!icc.isEmpty())
        tagged.setColorSpace(QColorSpace::fromIccProfile(icc));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, format).write(tagged))
        throw std::runtime_error(std::string("cannot encode as ") + format);
    return bytes;
}

QByteArray withIccProfile(const QByteArray& jpeg, const QByteArray& icc)
{
    constexpr qsizetype Part = 65000;
    const int count = int((icc.size() + Part - 1) / Part);
    QByteArray markers;
    for (int i = 0; i < count; ++i) {
        const QByteArray body =
            QByteArray("ICC_PROFILE", 12) + char(i + 1) + char(count) + icc.mid(i * Part, Part);
        QByteArray marker("\xFF\xE2\0\0", 4);
        qToBigEndian(quint16(body.size() + 2), marker.data() + 2);
        markers += marker + body;
    }
    QByteArray out = jpeg;
    return out.insert(2, markers);
}

QImage flatPicture(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}
