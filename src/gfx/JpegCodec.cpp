#include "JpegCodec.h"

#include "AppError.h"

#include <QFile>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>
#include <jpeglib.h>
#include <sys/mman.h>

#include <jerror.h> // after jpeglib.h, which it needs
#include <vector>

// libjpeg reports failures by calling back into the error manager, which must not return.
// Throwing a C++ exception through libjpeg's C frames is undefined, so the error manager
// long-jumps back to the stage that called libjpeg. Each stage below is a small function that
// owns nothing with a destructor: the jump skips no C++ clean-up, and the objects that do need
// releasing (the libjpeg structs, the file, the image) live in the caller and are released by
// their destructors on every path.

namespace
{

constexpr std::size_t InputBufferSize = 64 * 1024;
// A progressive file may split its data into many scans, each of which makes the decoder walk
// the whole picture again; a hostile file with thousands of tiny scans would keep the program
// busy for minutes. Real pictures use around ten.
constexpr int MaxScans = 1000;
// Set as the failure code when the scan limit stops the decoder.
constexpr int TooManyScans = -1;
// Pictures from this size up get their pixel memory in huge pages.
constexpr std::size_t HugePageSize = 2 * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr pub; // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
    int code;
};

[[noreturn]] void failWithCode(j_common_ptr cinfo, int code)
{
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    err->code = code;
    std::longjmp(err->jump, 1);
}

[[noreturn]] void onError(j_common_ptr cinfo)
{
    failWithCode(cinfo, cinfo->err->msg_code);
}

// Warnings (level < 0) fail too: libjpeg only warns about a file that ends early and would
// hand back a picture whose lower part is grey. Trace messages (level >= 0) are ignored.
void onMessage(j_common_ptr cinfo, int level)
{
    if (level < 0)
        failWithCode(cinfo, cinfo->err->msg_code);
}

void onProgress(j_common_ptr cinfo)
{
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > MaxScans)
        failWithCode(cinfo, TooManyScans);
}

void installErrorManager(ErrorManager& err)
{
    jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.emit_message = onMessage;
    err.code = 0;
}

// A source that reads the file in blocks, as libjpeg's own stdio source does, through QFile.
struct FileSource {
    jpeg_source_mgr pub; // first, as above
    QFile* file;
    bool startOfFile;
    JOCTET buffer[InputBufferSize];
};

void initSource(j_decompress_ptr cinfo)
{
    reinterpret_cast<FileSource*>(cinfo->src)->startOfFile = true;
}

boolean fillInputBuffer(j_decompress_ptr cinfo)
{
    auto* src = reinterpret_cast<FileSource*>(cinfo->src);
    const qint64 n = src->file->read(reinterpret_cast<char*>(src->buffer), InputBufferSize);
    if (n < 0)
        ERREXIT(cinfo, JERR_FILE_READ);
    if (n == 0) {
        if (src->startOfFile)
            ERREXIT(cinfo, JERR_INPUT_EMPTY);
        // libjpeg's own source only warns here and pads the picture with grey: refuse it
        // with that warning's code, "Premature end of JPEG file".
        failWithCode(reinterpret_cast<j_common_ptr>(cinfo), JWRN_JPEG_EOF);
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = std::size_t(n);
    src->startOfFile = false;
    return TRUE;
}

void skipInputData(j_decompress_ptr cinfo, long count)
{
    jpeg_source_mgr* src = cinfo->src;
    if (count <= 0)
        return;
    while (count > long(src->bytes_in_buffer)) {
        count -= long(src->bytes_in_buffer);
        src->fill_input_buffer(cinfo);
    }
    src->next_input_byte += count;
    src->bytes_in_buffer -= std::size_t(count);
}

void termSource(j_decompress_ptr) {}

struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    jpeg_progress_mgr progress{};
    FileSource source{};
    ~Decoder() { jpeg_destroy_decompress(&cinfo); }
};

struct Encoder {
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    unsigned char* output = nullptr; // allocated by libjpeg's memory destination
    unsigned long outputSize = 0;
    ~Encoder()
    {
        jpeg_destroy_compress(&cinfo);
        std::free(output);
    }
};

// --- The stages that call libjpeg: each returns 0 or the failure code. ----------------------

int openDecoder(Decoder& d, QFile* file)
{
    d.cinfo.err = &d.err.pub;
    installErrorManager(d.err);
    if (setjmp(d.err.jump))
        return d.err.code;
    jpeg_create_decompress(&d.cinfo);
    d.progress.progress_monitor = onProgress;
    d.cinfo.progress = &d.progress;
    d.source.file = file;
    d.source.pub.init_source = initSource;
    d.source.pub.fill_input_buffer = fillInputBuffer;
    d.source.pub.skip_input_data = skipInputData;
    d.source.pub.resync_to_restart = jpeg_resync_to_restart;
    d.source.pub.term_source = termSource;
    d.cinfo.src = &d.source.pub;
    return 0;
}

int readHeader(Decoder& d)
{
    if (setjmp(d.err.jump))
        return d.err.code;
    jpeg_read_header(&d.cinfo, TRUE);
    return 0;
}

int startDecoding(Decoder& d)
{
    if (setjmp(d.err.jump))
        return d.err.code;
    switch (d.cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        d.cinfo.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        d.cinfo.out_color_space = JCS_CMYK; // turned into RGB row by row
        break;
    default:
        d.cinfo.out_color_space = JCS_RGB; // libjpeg refuses what it cannot turn into RGB
        break;
    }
    jpeg_start_decompress(&d.cinfo);
    return 0;
}

// Files with an Adobe marker store CMYK inverted (0 is full ink), others plainly.
void cmykRowToRgb(const JSAMPLE* cmyk, uchar* rgb, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int i = 0; i < 3; ++i) {
            const int c = inverted ? cmyk[i] : 255 - cmyk[i];
            rgb[i] = uchar(c * k / 255);
        }
    }
}

// Decodes every row into `bits`; CMYK files pass through `cmykRow` first.
int readRows(Decoder& d, uchar* bits, qsizetype bytesPerLine, JSAMPLE* cmykRow)
{
    if (setjmp(d.err.jump))
        return d.err.code;
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        uchar* line = bits + bytesPerLine * qsizetype(d.cinfo.output_scanline);
        JSAMPROW row = cmykRow ? cmykRow : line;
        jpeg_read_scanlines(&d.cinfo, &row, 1);
        if (cmykRow)
            cmykRowToRgb(cmykRow, line, d.cinfo.output_width, d.cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&d.cinfo);
    return 0;
}

int encode(Encoder& e, const QImage& rgb, int quality)
{
    e.cinfo.err = &e.err.pub;
    installErrorManager(e.err);
    if (setjmp(e.err.jump))
        return e.err.code;
    jpeg_create_compress(&e.cinfo);
    jpeg_mem_dest(&e.cinfo, &e.output, &e.outputSize);
    e.cinfo.image_width = JDIMENSION(rgb.width());
    e.cinfo.image_height = JDIMENSION(rgb.height());
    e.cinfo.input_components = 3;
    e.cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.cinfo);
    jpeg_set_quality(&e.cinfo, quality, TRUE);
    jpeg_start_compress(&e.cinfo, TRUE);
    while (e.cinfo.next_scanline < e.cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(e.cinfo.next_scanline)));
        jpeg_write_scanlines(&e.cinfo, &row, 1);
    }
    jpeg_finish_compress(&e.cinfo);
    return 0;
}

// A new picture for the decoder to fill. Filling a photograph's memory 4 KB page by page costs
// more than decoding it (a 12-megapixel picture takes 9000 page faults), so a large picture
// asks the kernel for huge pages. Null when the memory cannot be had.
QImage newPicture(int width, int height, QImage::Format format)
{
    const int bytesPerPixel = format == QImage::Format_Grayscale8 ? 1 : 3;
    const qsizetype bytesPerLine = (qsizetype(width) * bytesPerPixel + 3) / 4 * 4;
    const std::size_t size = std::size_t(bytesPerLine) * std::size_t(height);
    if (size < HugePageSize)
        return QImage(width, height, format);
    const std::size_t rounded = (size + HugePageSize - 1) / HugePageSize * HugePageSize;
    void* data = std::aligned_alloc(HugePageSize, rounded);
    if (!data)
        return QImage();
    madvise(data, rounded, MADV_HUGEPAGE); // only advice: without it the pages are small
    return QImage(
        static_cast<uchar*>(data), width, height, bytesPerLine, format,
        [](void* p) { std::free(p); }, data);
}

[[noreturn]] void raiseJpegError(int code, const QString& fileName)
{
    if (code == TooManyScans)
        throw AppError(QStringLiteral("The JPEG file \"%1\" has more than %2 scans and is not "
                                      "read.")
                           .arg(fileName)
                           .arg(MaxScans));
    throw AppError(QStringLiteral("JPEG error #%1").arg(code));
}

} // namespace

QImage readJpegFile(const QString& fileName, const PictureSizeCheck& checkSize)
{
    QFile file(fileName);
    openForReading(file);

    Decoder d;
    if (const int code = openDecoder(d, &file))
        raiseJpegError(code, fileName);
    if (const int code = readHeader(d)) {
        // libjpeg refuses a frame of width or height 0 once it has read it: let the caller
        // say so plainly.
        if (code == JERR_EMPTY_IMAGE && checkSize)
            checkSize(QSize(int(d.cinfo.image_width), int(d.cinfo.image_height)));
        raiseJpegError(code, fileName);
    }
    if (checkSize)
        checkSize(QSize(int(d.cinfo.image_width), int(d.cinfo.image_height)));
    if (const int code = startDecoding(d))
        raiseJpegError(code, fileName);

    const bool grey = d.cinfo.out_color_space == JCS_GRAYSCALE;
    QImage image = newPicture(int(d.cinfo.output_width), int(d.cinfo.output_height),
                              grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (image.isNull())
        throw AppError(QStringLiteral("Not enough memory to read the %1 x %2 picture \"%3\".")
                           .arg(d.cinfo.output_width)
                           .arg(d.cinfo.output_height)
                           .arg(fileName));
    std::vector<JSAMPLE> cmykRow;
    if (d.cinfo.out_color_space == JCS_CMYK)
        cmykRow.resize(std::size_t(d.cinfo.output_width) * 4);
    if (const int code = readRows(d, image.bits(), image.bytesPerLine(),
                                  cmykRow.empty() ? nullptr : cmykRow.data()))
        raiseJpegError(code, fileName);
    return image;
}

void writeJpegFile(const QImage& image, const QString& fileName, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    Encoder e;
    if (const int code = encode(e, rgb, quality))
        raiseJpegError(code, fileName);
    writeWholeFile(
        fileName, QByteArrayView(reinterpret_cast<const char*>(e.output), qsizetype(e.outputSize)));
}
