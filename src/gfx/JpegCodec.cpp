#include "JpegCodec.h"

#include "AppError.h"
#include "ColourProfile.h"
#include "Picture.h"
#include "WholeFile.h"

#include <QCoreApplication>
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
// Set as the failure code when the work bound stops the decoder, a cancel, or the bound on the
// bytes read.
constexpr int TooMuchWork = -1;
constexpr int Cancelled = -2;
constexpr int TooMuchData = -3;
// What is read before the frame header tells the picture's size: markers of at most 64 KB each,
// a colour profile of up to 255 of them. A file with no frame within that is no picture.
constexpr qint64 MaxHeaderBytes = 64 * 1024 * 1024;
// The most entropy-coded data a block can need here, in bytes: far above what any encoder
// writes for a real picture (a quality-100 picture of noise takes about a third of it).
constexpr qint64 MaxBytesPerBlock = 256;
// What starting a scan costs, in blocks: reading its header and tables, setting up its pass.
// Thousands of scans over a tiny picture are work too.
constexpr qint64 ScanWork = 256;
// Room for the decoder's row buffers (coefficient rows, upsampling, colour conversion), in
// bytes for each pixel of a row and each of the rows a group of block rows holds.
constexpr qint64 RowBufferBytes = 4 * 4;
constexpr int BlockBytes = sizeof(JBLOCK);
constexpr int App1Marker = JPEG_APP0 + 1;
constexpr int IccMarker = JPEG_APP0 + 2;
constexpr int MaxMarkerLength = 0xFFFF;
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

// libjpeg only warns where it had to invent pixels: a file cut short, entropy data it could not
// decode and skipped or resynchronised over. Those fail like errors. The warnings that lose no
// pixel, common in camera and webcam files, are let through:
// - JWRN_EXTRANEOUS_DATA: stray bytes between the end of a segment and the next marker;
// - JWRN_JFIF_MAJOR: a JFIF marker of a later version, whose fields are not used;
// - JWRN_ADOBE_XFORM: an unknown colour transform code in an Adobe marker; the decoder takes the
//   file's colours as YCbCr, as every other reader does;
// - JWRN_NOT_SEQUENTIAL: a sequential file whose scan header carries spectral-selection fields;
//   they mean nothing for it and are ignored;
// - JWRN_BOGUS_ICC: a damaged colour profile, which the decoder does not use.
// Every other warning fails, the unknown ones too.
bool losesNoPixel(int code)
{
    switch (code) {
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_JFIF_MAJOR:
    case JWRN_ADOBE_XFORM:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_ICC:
        return true;
    default:
        return false;
    }
}

// Trace messages (level >= 0) are ignored.
void onMessage(j_common_ptr cinfo, int level)
{
    if (level < 0 && !losesNoPixel(cinfo->err->msg_code))
        failWithCode(cinfo, cinfo->err->msg_code);
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
    // What was read, and how much may be (0: no bound); checked at each block, as is a cancel.
    qint64 bytesRead = 0;
    qint64 byteLimit = 0;
    const std::atomic<bool>* cancel = nullptr;
    JOCTET buffer[InputBufferSize];
};

void initSource(j_decompress_ptr cinfo)
{
    reinterpret_cast<FileSource*>(cinfo->src)->startOfFile = true;
}

boolean fillInputBuffer(j_decompress_ptr cinfo)
{
    auto* src = reinterpret_cast<FileSource*>(cinfo->src);
    const auto common = reinterpret_cast<j_common_ptr>(cinfo);
    if (src->cancel && src->cancel->load(std::memory_order_relaxed))
        failWithCode(common, Cancelled);
    qint64 want = qint64(InputBufferSize);
    if (src->byteLimit > 0) {
        if (src->bytesRead >= src->byteLimit && !src->file->atEnd())
            failWithCode(common, TooMuchData);
        want = qMax<qint64>(1, qMin(want, src->byteLimit - src->bytesRead));
    }
    const qint64 n = src->file->read(reinterpret_cast<char*>(src->buffer), want);
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
    src->bytesRead += n;
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
    // The work bound and the progress shared with the waiting thread.
    PictureProgress* shared = nullptr;
    qint64 workLimit = 0;
    qint64 work = 0;
    // While jpeg_start_decompress reads the scans of a multi-scan file; the rows of the output
    // pass were counted before it started.
    bool readingScans = false;
    int lastScan = 0;
    // The first APP1 marker holding EXIF data.
    int exifLength = 0;
    JOCTET exif[MaxMarkerLength];
    ~Decoder() { jpeg_destroy_decompress(&cinfo); }
};

Decoder& decoderOf(j_common_ptr cinfo)
{
    return *static_cast<Decoder*>(cinfo->client_data);
}

void publishWork(Decoder& d)
{
    if (d.shared)
        d.shared->work.store(d.work, std::memory_order_relaxed);
}

// Called before each step of the decoder: one row of blocks of a scan while the scans of a
// multi-scan file are read, one output row otherwise.
void onProgress(j_common_ptr common)
{
    Decoder& d = decoderOf(common);
    if (d.shared && d.shared->cancel.load(std::memory_order_relaxed))
        failWithCode(common, Cancelled);
    if (!d.readingScans)
        return;
    const jpeg_decompress_struct& cinfo = d.cinfo;
    if (cinfo.input_scan_number != d.lastScan) {
        d.lastScan = cinfo.input_scan_number;
        d.work += ScanWork;
    }
    for (int i = 0; i < cinfo.comps_in_scan; ++i)
        d.work +=
            qint64(cinfo.cur_comp_info[i]->width_in_blocks) * cinfo.cur_comp_info[i]->v_samp_factor;
    publishWork(d);
    if (d.workLimit > 0 && d.work > d.workLimit)
        failWithCode(common, TooMuchWork);
}

int nextMarkerByte(j_decompress_ptr cinfo)
{
    jpeg_source_mgr* src = cinfo->src;
    if (src->bytes_in_buffer == 0)
        src->fill_input_buffer(cinfo); // ours never suspends: it fills or fails
    --src->bytes_in_buffer;
    return *src->next_input_byte++;
}

// Keeps the first APP1 marker that holds EXIF data, skips the others: only the orientation is
// wanted, and a file of many markers must not fill memory with them.
boolean readApp1(j_decompress_ptr cinfo)
{
    Decoder& d = decoderOf(reinterpret_cast<j_common_ptr>(cinfo));
    int length = nextMarkerByte(cinfo) << 8;
    length += nextMarkerByte(cinfo);
    length -= 2;
    if (length <= 0)
        return TRUE;
    if (d.exifLength > 0) {
        cinfo->src->skip_input_data(cinfo, length);
        return TRUE;
    }
    for (int i = 0; i < length; ++i)
        d.exif[i] = JOCTET(nextMarkerByte(cinfo));
    // Others (XMP, for one) share the marker.
    if (QByteArrayView(d.exif, length).startsWith(QByteArrayView("Exif\0", 5)))
        d.exifLength = length;
    return TRUE;
}

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
    d.cinfo.client_data = &d;
    d.progress.progress_monitor = onProgress;
    d.cinfo.progress = &d.progress;
    d.source.file = file;
    d.source.pub.init_source = initSource;
    d.source.pub.fill_input_buffer = fillInputBuffer;
    d.source.pub.skip_input_data = skipInputData;
    d.source.pub.resync_to_restart = jpeg_resync_to_restart;
    d.source.pub.term_source = termSource;
    d.cinfo.src = &d.source.pub;
    jpeg_set_marker_processor(&d.cinfo, App1Marker, readApp1);
    // The colour profile, kept whole: up to 255 markers, within the header's byte bound.
    jpeg_save_markers(&d.cinfo, IccMarker, MaxMarkerLength);
    return 0;
}

int readHeader(Decoder& d)
{
    if (setjmp(d.err.jump))
        return d.err.code;
    jpeg_read_header(&d.cinfo, TRUE);
    return 0;
}

// Chooses the output colours and the reduction, 1/8 to 8/8, and works out the output size.
int prepareOutput(Decoder& d, int scaleEighths)
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
    d.cinfo.scale_num = unsigned(scaleEighths);
    d.cinfo.scale_denom = 8;
    jpeg_calc_output_dimensions(&d.cinfo);
    return 0;
}

// The ICC profile the APP2 markers carry, empty when there is none or it is incomplete.
QByteArray iccProfile(Decoder& d)
{
    if (setjmp(d.err.jump))
        return {};
    JOCTET* data = nullptr;
    unsigned int length = 0;
    if (!jpeg_read_icc_profile(&d.cinfo, &data, &length) || !data)
        return {};
    QByteArray icc(reinterpret_cast<const char*>(data), qsizetype(length));
    std::free(data);
    return icc;
}

int startDecoding(Decoder& d)
{
    if (setjmp(d.err.jump))
        return d.err.code;
    d.readingScans = jpeg_has_multiple_scans(&d.cinfo);
    jpeg_start_decompress(&d.cinfo);
    d.readingScans = false;
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

// Decodes every row into `bits`; CMYK files pass through `cmykRow` first, and are made RGB
// through their profile when it describes their inks.
int readRows(Decoder& d, uchar* bits, qsizetype bytesPerLine, JSAMPLE* cmykRow,
             const CmykToSrgb& inks)
{
    if (setjmp(d.err.jump))
        return d.err.code;
    while (d.cinfo.output_scanline < d.cinfo.output_height) {
        uchar* line = bits + bytesPerLine * qsizetype(d.cinfo.output_scanline);
        JSAMPROW row = cmykRow ? cmykRow : line;
        jpeg_read_scanlines(&d.cinfo, &row, 1);
        if (cmykRow && inks.isValid())
            inks.convertRow(cmykRow, line, int(d.cinfo.output_width));
        else if (cmykRow)
            cmykRowToRgb(cmykRow, line, d.cinfo.output_width, d.cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&d.cinfo);
    return 0;
}

constexpr UINT8 JfifDotsPerInch = 1;

UINT16 dotsPerInch(int dotsPerMeter)
{
    return UINT16(qBound(1, qRound(dotsPerMeter * InchInMetres), 65535));
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
    // The picture's resolution in the JFIF header, so that it prints at the size it stands for.
    e.cinfo.density_unit = JfifDotsPerInch;
    e.cinfo.X_density = dotsPerInch(rgb.dotsPerMeterX());
    e.cinfo.Y_density = dotsPerInch(rgb.dotsPerMeterY());
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

QSize headerSize(const Decoder& d)
{
    return QSize(int(d.cinfo.image_width), int(d.cinfo.image_height));
}

QString jpegDetails(int code)
{
    return QCoreApplication::translate("JpegCodec", "JPEG error #%1").arg(code);
}

// The refusal for libjpeg's code `code`, in words; the code goes to the details. `inPixels`: the
// headers were read whole, the failure came in the picture's data.
[[noreturn]] void raiseJpegError(const Decoder& d, int code, const QString& fileName, bool inPixels)
{
    const QString details = jpegDetails(code);
    switch (code) {
    case JWRN_JPEG_EOF:
    case JERR_INPUT_EOF:
    case JERR_INPUT_EMPTY:
        raisePictureCutShort(fileName, details);
    case JERR_FILE_READ:
        throw AppError(QCoreApplication::translate(
                           "Picture", "The file \"%1\" could not be read to its end: %2")
                           .arg(fileName, d.source.file->errorString()),
                       details);
    case JERR_OUT_OF_MEMORY:
        raiseNoMemoryFor(fileName, headerSize(d));
    case JERR_BAD_PRECISION:
        raisePictureUnsupported(
            fileName, QStringLiteral("JPEG"),
            QCoreApplication::translate("Picture", "%1 bits a sample").arg(d.cinfo.data_precision),
            details);
    case JERR_SOF_UNSUPPORTED:
    case JERR_NOT_COMPILED:
    case JERR_NOTIMPL:
        raisePictureUnsupported(
            fileName, QStringLiteral("JPEG"),
            QCoreApplication::translate("Picture", "a lossless or hierarchical one"), details);
    case JERR_CONVERSION_NOTIMPL:
    case JERR_CCIR601_NOTIMPL:
    case JERR_BAD_J_COLORSPACE:
        raisePictureUnsupported(
            fileName, QStringLiteral("JPEG"),
            QCoreApplication::translate("Picture", "its colours are stored in an unknown way"),
            details);
    default:
        break;
    }
    if (inPixels)
        raisePictureDamagedInside(fileName, details);
    raisePictureDamaged(fileName, details);
}

[[noreturn]] void raiseReadError(const Decoder& d, int code, const QString& fileName, QSize upright,
                                 bool inPixels)
{
    if (code == Cancelled)
        throw PictureCancelled(fileName);
    if (code == TooMuchData && upright.isEmpty())
        raisePictureDamaged(fileName, QStringLiteral("no JPEG frame within the first %1 MB")
                                          .arg(MaxHeaderBytes / (1024 * 1024)));
    if (code == TooMuchData)
        raisePictureTooMuchData(
            fileName, upright,
            QStringLiteral("stopped after %1 MB").arg(d.source.bytesRead / (1024 * 1024)));
    if (code == TooMuchWork)
        throw AppError(QCoreApplication::translate(
                           "JpegCodec", "The JPEG file \"%1\" is not read: decoding its %2 x %3 "
                                        "pixels takes too long (it was stopped in scan %4).")
                           .arg(fileName)
                           .arg(upright.width())
                           .arg(upright.height())
                           .arg(d.cinfo.input_scan_number));
    raiseJpegError(d, code, fileName, inPixels);
}

// The blocks of all components: what one pass over the picture decodes.
qint64 blocksOf(const jpeg_decompress_struct& cinfo, int components)
{
    qint64 blocks = 0;
    for (int c = 0; c < components; ++c)
        blocks += qint64(cinfo.comp_info[c].width_in_blocks) * cinfo.comp_info[c].height_in_blocks;
    return blocks;
}

// The memory the decoder takes beside the pixels: the whole picture's coefficients where the
// file has several scans, the rows it works on in any case.
qint64 decoderBytes(const jpeg_decompress_struct& cinfo)
{
    qint64 bytes = qint64(cinfo.image_width) * cinfo.num_components * cinfo.max_v_samp_factor *
                   DCTSIZE * RowBufferBytes;
    if (jpeg_has_multiple_scans(const_cast<j_decompress_ptr>(&cinfo))) {
        for (int c = 0; c < cinfo.num_components; ++c) {
            const jpeg_component_info& comp = cinfo.comp_info[c];
            const qint64 across = (comp.width_in_blocks + comp.h_samp_factor - 1) /
                                  comp.h_samp_factor * comp.h_samp_factor;
            const qint64 down = (comp.height_in_blocks + comp.v_samp_factor - 1) /
                                comp.v_samp_factor * comp.v_samp_factor;
            bytes += across * down * BlockBytes;
        }
    }
    return bytes;
}

// The least reduction, in eighths, that still gives `needed` from `stored`.
int scaleFor(QSize stored, QSize needed)
{
    for (int eighths = 1; eighths < 8; ++eighths) {
        const qint64 w = (qint64(stored.width()) * eighths + 7) / 8;
        const qint64 h = (qint64(stored.height()) * eighths + 7) / 8;
        if (w >= needed.width() && h >= needed.height())
            return eighths;
    }
    return 8;
}

} // namespace

Picture readJpegFile(const PictureRequest& request, const PictureLimits& limits,
                     const PictureSizeCheck& checkSize)
{
    const QString& fileName = request.fileName;
    QFile file(fileName);
    openForReading(file);

    Decoder d;
    d.shared = request.progress;
    d.workLimit = limits.work;
    if (const int code = openDecoder(d, &file))
        raiseJpegError(d, code, fileName, false);
    d.source.cancel = request.progress ? &request.progress->cancel : nullptr;
    d.source.byteLimit = MaxHeaderBytes;
    if (const int code = readHeader(d)) {
        // libjpeg refuses a frame of width or height 0 once it has read it: let the caller
        // say so plainly.
        if (code == JERR_EMPTY_IMAGE && checkSize)
            checkSize(headerSize(d));
        raiseReadError(d, code, fileName, headerSize(d), false);
    }
    // The markers before the first scan are read: the EXIF data and the colour profile are known
    // (the profile's markers go with the decoder's memory once it has finished).
    const QByteArray icc = iccProfile(d);
    const int orientation =
        d.exifLength > 0 ? exifOrientation(QByteArrayView(d.exif, d.exifLength)) : 1;
    const QSize stored = headerSize(d);
    const QSize upright = orientedSize(stored, orientation);
    if (checkSize)
        checkSize(upright);

    // Every block of a Huffman-coded scan takes at least one bit, and the first scan of a
    // progressive file holds at least the first component's: a file shorter than that is cut
    // short, whatever its header says. Arithmetic coding can go below a bit.
    const bool multiScan = jpeg_has_multiple_scans(&d.cinfo);
    const qint64 blocks = blocksOf(d.cinfo, d.cinfo.num_components);
    if (!d.cinfo.arith_code && file.size() * 8 < (multiScan ? blocksOf(d.cinfo, 1) : blocks))
        raisePictureCutShort(fileName, jpegDetails(JWRN_JPEG_EOF));
    // The output pass goes over every block once, as does the one scan of a sequential file.
    if (limits.work > 0 && blocks > limits.work)
        raisePictureTooSlow(fileName, upright);
    d.work = blocks;
    publishWork(d);
    // The rest of the file is read no further than the picture's blocks can need, with room
    // for the markers between its scans: a file padded with gigabytes is refused early.
    d.source.byteLimit = d.source.bytesRead + blocks * MaxBytesPerBlock + MaxHeaderBytes;

    const QSize needed = sizeNeededFor(stored, orientedSize(request.drawBox, orientation));
    if (const int code = prepareOutput(d, scaleFor(stored, needed)))
        raiseReadError(d, code, fileName, upright, false);
    const bool grey = d.cinfo.out_color_space == JCS_GRAYSCALE;
    const qint64 pixelBytes =
        (qint64(d.cinfo.output_width) * (grey ? 1 : 3) + 3) / 4 * 4 * d.cinfo.output_height;
    // A turned picture is copied once.
    const qint64 pictureBytes = orientation == 1 ? pixelBytes : 2 * pixelBytes;
    const qint64 memory = pictureBytes + decoderBytes(d.cinfo);
    if (limits.memoryBytes > 0) {
        if (memory > limits.memoryBytes)
            raisePictureTooLarge(fileName, upright, memory, limits.memoryBytes);
        // libjpeg then refuses itself before taking more for its whole-picture buffers.
        d.cinfo.mem->max_memory_to_use = long(limits.memoryBytes - pictureBytes);
    }
    if (const int code = startDecoding(d)) {
        if (code == JERR_NO_BACKING_STORE)
            raisePictureTooLarge(fileName, upright, memory, limits.memoryBytes);
        raiseReadError(d, code, fileName, upright, true);
    }

    QImage image = newPicture(int(d.cinfo.output_width), int(d.cinfo.output_height),
                              grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (image.isNull())
        raiseNoMemoryFor(fileName, QSize(int(d.cinfo.output_width), int(d.cinfo.output_height)));
    std::vector<JSAMPLE> cmykRow;
    const bool cmyk = d.cinfo.out_color_space == JCS_CMYK;
    if (cmyk)
        cmykRow.resize(std::size_t(d.cinfo.output_width) * 4);
    const CmykToSrgb inks(cmyk ? QByteArrayView(icc) : QByteArrayView(), d.cinfo.saw_Adobe_marker);
    if (const int code = readRows(d, image.bits(), image.bytesPerLine(),
                                  cmykRow.empty() ? nullptr : cmykRow.data(), inks))
        raiseReadError(d, code, fileName, upright, true);
    publishWork(d);
    // CMYK pixels were made RGB row by row, through their profile where it describes inks.
    if (!cmyk)
        convertToSrgb(image, icc);
    if (orientation != 1)
        image = orientedImage(image, orientation);
    return Picture{image, upright, orientation};
}

void writeJpegFile(const QImage& image, const QString& fileName, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    Encoder e;
    if (const int code = encode(e, rgb, quality))
        throw AppError(QCoreApplication::translate("Picture",
                                                   "Cannot create file \"%1\". The picture could "
                                                   "not be encoded as JPEG.")
                           .arg(fileName),
                       jpegDetails(code));
    writeWholeFile(
        fileName, QByteArrayView(reinterpret_cast<const char*>(e.output), qsizetype(e.outputSize)));
}
