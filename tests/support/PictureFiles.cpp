#include "PictureFiles.h"

#include "back/PictureFile.h"

#include <QFile>
#include <QtEndian>

#include <csetjmp>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <thread>
#include <vector>

namespace
{

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;

void put16(QByteArray& b, int at, quint16 v)
{
    qToLittleEndian(v, b.data() + at);
}

void put32(QByteArray& b, int at, quint32 v)
{
    qToLittleEndian(v, b.data() + at);
}

QColor paletteColour(int index)
{
    return QColor((index * 67) % 256, (index * 131 + 40) % 256, (index * 29 + 200) % 256);
}

int bmpStride(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

QByteArray bmpHeaders(int width, int height, int bitsPerPixel, int paletteSize, int imageSize)
{
    const int offset = FileHeaderSize + InfoHeaderSize + paletteSize * 4;
    QByteArray b(offset, '\0');
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, quint32(offset + imageSize));
    put32(b, 10, quint32(offset));
    put32(b, 14, InfoHeaderSize);
    put32(b, 18, quint32(width));
    put32(b, 22, quint32(height));
    put16(b, 26, 1);
    put16(b, 28, quint16(bitsPerPixel));
    put32(b, 34, quint32(imageSize));
    put32(b, 38, 2835);
    put32(b, 42, 2835);
    put32(b, 46, quint32(paletteSize));
    for (int i = 0; i < paletteSize; ++i) {
        const QColor c = paletteColour(i);
        const int at = FileHeaderSize + InfoHeaderSize + i * 4;
        b[at] = char(c.blue());
        b[at + 1] = char(c.green());
        b[at + 2] = char(c.red());
    }
    return b;
}

int paletteIndex(int x, int y, int bitsPerPixel)
{
    return (x + 3 * y) % (1 << bitsPerPixel);
}

struct TestEncoder {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    unsigned char* out = nullptr;
    unsigned long size = 0;
    TestEncoder()
    {
        cinfo.err = jpeg_std_error(&err);
        jpeg_create_compress(&cinfo);
        jpeg_mem_dest(&cinfo, &out, &size);
    }
    ~TestEncoder()
    {
        jpeg_destroy_compress(&cinfo);
        std::free(out);
    }
    QByteArray finish()
    {
        jpeg_finish_compress(&cinfo);
        return QByteArray(reinterpret_cast<const char*>(out), qsizetype(size));
    }
};

// Turns libjpeg's fatal errors into a jump back to the reader, which reports them.
struct HeaderErrors {
    jpeg_error_mgr pub; // first, so libjpeg's pointer to it is a pointer to the whole
    std::jmp_buf jump;
};

// Where the frame header (SOFn) segment starts, walking the segments from the start of image;
// -1 when there is none.
int frameHeaderAt(const QByteArray& jpeg)
{
    for (int at = 2; at + 9 < jpeg.size() && uchar(jpeg[at]) == 0xFF;) {
        const int marker = uchar(jpeg[at + 1]);
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return at;
        at += 2 + qFromBigEndian<quint16>(jpeg.constData() + at + 2);
    }
    return -1;
}

} // namespace

QColor bmpPixel(int x, int y, int bitsPerPixel)
{
    if (bitsPerPixel <= 8)
        return paletteColour(paletteIndex(x, y, bitsPerPixel));
    return QColor((x * 37) % 256, (y * 53) % 256, (x * y + 90) % 256);
}

QByteArray makeBmp(int width, int height, int bitsPerPixel)
{
    const int stride = bmpStride(width, bitsPerPixel);
    const int paletteSize = bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
    QByteArray b = bmpHeaders(width, height, bitsPerPixel, paletteSize, stride * height);
    for (int row = height - 1; row >= 0; --row) { // bottom-up
        QByteArray line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            if (bitsPerPixel <= 8) {
                const int index = paletteIndex(x, row, bitsPerPixel);
                const int bit = x * bitsPerPixel;
                const int shift = 8 - bitsPerPixel - bit % 8;
                line[bit / 8] = char(uchar(line[bit / 8]) | (index << shift));
            } else {
                const QColor c = bmpPixel(x, row, bitsPerPixel);
                const int at = x * bitsPerPixel / 8;
                line[at] = char(c.blue());
                line[at + 1] = char(c.green());
                line[at + 2] = char(c.red());
                if (bitsPerPixel == 32)
                    line[at + 3] = char(0xFF);
            }
        }
        b += line;
    }
    return b;
}

QByteArray bmpHeaderDeclaring(int width, int height)
{
    return bmpHeaders(width, height, 24, 0, 0);
}

QImage blockPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int block = x / 16 + 7 * (y / 16);
            image.setPixelColor(x, y, paletteColour(block % 256));
        }
    return image;
}

QByteArray makeJpeg(const QImage& image, JpegKind kind, int quality, int restartRows)
{
    TestEncoder e;
    e.cinfo.image_width = JDIMENSION(image.width());
    e.cinfo.image_height = JDIMENSION(image.height());
    const int components = kind == JpegKind::Grey ? 1 : kind == JpegKind::Colour ? 3 : 4;
    e.cinfo.input_components = components;
    e.cinfo.in_color_space = kind == JpegKind::Grey     ? JCS_GRAYSCALE
                             : kind == JpegKind::Colour ? JCS_RGB
                                                        : JCS_CMYK;
    jpeg_set_defaults(&e.cinfo);
    jpeg_set_quality(&e.cinfo, quality, TRUE);
    e.cinfo.restart_in_rows = restartRows;
    jpeg_start_compress(&e.cinfo, TRUE);
    std::vector<JSAMPLE> row(std::size_t(image.width() * components));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            JSAMPLE* p = row.data() + x * components;
            if (kind == JpegKind::Grey) {
                p[0] = JSAMPLE(qGray(c.rgb()));
            } else if (kind == JpegKind::Colour) {
                p[0] = JSAMPLE(c.red());
                p[1] = JSAMPLE(c.green());
                p[2] = JSAMPLE(c.blue());
            } else {
                // Inverted CMYK (0 is full ink) with the black taken out of the colours, as
                // print software separates them: K = 255 - max(R, G, B), each colour ink
                // the rest, so that a dark picture lies mostly in the black channel.
                const int most = qMax(c.red(), qMax(c.green(), c.blue()));
                const auto ink = [most](int v) { return most == 0 ? 255 : v * 255 / most; };
                p[0] = JSAMPLE(ink(c.red()));
                p[1] = JSAMPLE(ink(c.green()));
                p[2] = JSAMPLE(ink(c.blue()));
                p[3] = JSAMPLE(most);
            }
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&e.cinfo, &r, 1);
    }
    return e.finish();
}

QByteArray makeJpegWithScans(int scans)
{
    // One DC scan, then each AC coefficient of each component sent alone, first at low
    // precision and then refined bit by bit: a valid progression of 11 scans per coefficient.
    constexpr int Components = 3;
    constexpr int LowestBit = 10;
    std::vector<jpeg_scan_info> script;
    script.push_back({Components, {0, 1, 2, 0}, 0, 0, 0, 0});
    for (int c = 0; c < Components && int(script.size()) <= scans; ++c)
        for (int k = 1; k < DCTSIZE2 && int(script.size()) <= scans; ++k) {
            script.push_back({1, {c, 0, 0, 0}, k, k, 0, LowestBit});
            for (int bit = LowestBit; bit > 0; --bit)
                script.push_back({1, {c, 0, 0, 0}, k, k, bit, bit - 1});
        }
    if (int(script.size()) <= scans)
        throw std::invalid_argument("makeJpegWithScans: too many scans asked for");

    const QImage image = blockPicture(16, 16);
    TestEncoder e;
    e.cinfo.image_width = 16;
    e.cinfo.image_height = 16;
    e.cinfo.input_components = 3;
    e.cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.cinfo);
    e.cinfo.scan_info = script.data();
    e.cinfo.num_scans = int(script.size());
    jpeg_start_compress(&e.cinfo, TRUE);
    for (int y = 0; y < 16; ++y) {
        JSAMPROW r = const_cast<JSAMPROW>(image.constScanLine(y));
        jpeg_write_scanlines(&e.cinfo, &r, 1);
    }
    return e.finish();
}

namespace
{

// Writes entropy-coded data: bits from the top, a 0 byte stuffed after each 0xFF, the last byte
// padded with ones.
class BitWriter
{
public:
    void put(quint32 bits, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            byte_ = (byte_ << 1) | ((bits >> i) & 1);
            if (++filled_ == 8)
                flush();
        }
    }
    QByteArray finish()
    {
        while (filled_ != 0)
            put(1, 1);
        return out_;
    }

private:
    void flush()
    {
        out_ += char(byte_);
        if (byte_ == 0xFF)
            out_ += '\0';
        byte_ = 0;
        filled_ = 0;
    }
    QByteArray out_;
    quint32 byte_ = 0;
    int filled_ = 0;
};

QByteArray segment(int marker, const QByteArray& body)
{
    QByteArray s(4, '\0');
    s[0] = char(0xFF);
    s[1] = char(marker);
    qToBigEndian(quint16(body.size() + 2), s.data() + 2);
    return s + body;
}

QByteArray scanHeader(int ss, int se, int ah, int al)
{
    return segment(0xDA, QByteArray("\x01\x01\x00", 3) + char(ss) + char(se) + char(ah << 4 | al));
}

} // namespace

QByteArray makeScanHeavyJpeg(int width, int height, int scans)
{
    constexpr int LowestBit = 13; // the lowest precision 8-bit samples allow
    constexpr int MaxRun = 32767; // the longest run of empty blocks one code gives
    const qint64 blocks = qint64((width + 7) / 8) * ((height + 7) / 8);
    QByteArray jpeg("\xFF\xD8", 2);
    jpeg += segment(0xDB, QByteArray(1, '\0') + QByteArray(64, '\x01'));
    QByteArray frame("\x08\0\0\0\0\x01\x01\x11\x00", 9);
    qToBigEndian(quint16(height), frame.data() + 1);
    qToBigEndian(quint16(width), frame.data() + 3);
    jpeg += segment(0xC2, frame);
    // DC: one code of one bit, "difference 0". AC: the 15 end-of-band run lengths EOB0 to
    // EOB14, four bits each, code r for EOBr.
    QByteArray dc(17, '\0');
    dc[1] = 1;
    jpeg += segment(0xC4, dc + QByteArray(1, '\0'));
    QByteArray ac(17, '\0');
    ac[0] = 0x10;
    ac[4] = 15;
    for (int r = 0; r <= 14; ++r)
        ac += char(r << 4);
    jpeg += segment(0xC4, ac);

    jpeg += scanHeader(0, 0, 0, 0);
    BitWriter dcData;
    for (qint64 b = 0; b < blocks; ++b)
        dcData.put(0, 1);
    jpeg += dcData.finish();
    int written = 1;
    for (int k = 1; k < 64 && written < scans; ++k)
        for (int ah = 0; ah <= LowestBit && written < scans; ++ah, ++written) {
            jpeg += ah == 0 ? scanHeader(k, k, 0, LowestBit)
                            : scanHeader(k, k, LowestBit - ah + 1, LowestBit - ah);
            BitWriter data;
            for (qint64 left = blocks; left > 0;) {
                const int run = int(qMin<qint64>(left, MaxRun));
                int r = 0;
                while ((2 << r) <= run)
                    ++r;
                data.put(quint32(r), 4);
                data.put(quint32(run - (1 << r)), r);
                left -= run;
            }
            jpeg += data.finish();
        }
    if (written < scans)
        throw std::invalid_argument("makeScanHeavyJpeg: too many scans asked for");
    return jpeg + QByteArray("\xFF\xD9", 2);
}

QByteArray withExifOrientation(const QByteArray& jpeg, int orientation, bool bigEndian)
{
    // TIFF header, one directory of one entry: tag 0x0112, type SHORT, count 1, the value.
    QByteArray tiff(8 + 2 + 12 + 4, '\0');
    char* p = tiff.data();
    const auto put16 = [&](int at, quint16 v) {
        bigEndian ? qToBigEndian(v, p + at) : qToLittleEndian(v, p + at);
    };
    const auto put32 = [&](int at, quint32 v) {
        bigEndian ? qToBigEndian(v, p + at) : qToLittleEndian(v, p + at);
    };
    tiff[0] = tiff[1] = bigEndian ? 'M' : 'I';
    put16(2, 42);
    put32(4, 8);
    put16(8, 1);
    put16(10, 0x0112);
    put16(12, 3);
    put32(14, 1);
    put16(18, quint16(orientation));
    return withBytesInserted(jpeg, segment(0xE1, QByteArray("Exif\0\0", 6) + tiff));
}

QByteArray withBytesInserted(const QByteArray& jpeg, const QByteArray& bytes, int fromEnd)
{
    QByteArray out = jpeg;
    return out.insert(fromEnd > 0 ? jpeg.size() - fromEnd : 2, bytes);
}

QByteArray withJpegSize(QByteArray jpeg, int width, int height)
{
    const int at = frameHeaderAt(jpeg);
    if (at < 0)
        throw std::invalid_argument("withJpegSize: no frame header");
    qToBigEndian(quint16(height), jpeg.data() + at + 5);
    qToBigEndian(quint16(width), jpeg.data() + at + 7);
    return jpeg;
}

namespace
{

struct WarningList {
    jpeg_error_mgr pub; // first, as above
    std::jmp_buf jump;
    QList<int> codes;
};

} // namespace

QList<int> libjpegWarnings(const QByteArray& jpeg)
{
    jpeg_decompress_struct cinfo{};
    WarningList err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = [](j_common_ptr c) {
        auto* e = reinterpret_cast<WarningList*>(c->err);
        e->codes.append(e->pub.msg_code);
        std::longjmp(e->jump, 1);
    };
    err.pub.emit_message = [](j_common_ptr c, int level) {
        if (level < 0)
            reinterpret_cast<WarningList*>(c->err)->codes.append(c->err->msg_code);
    };
    jpeg_create_decompress(&cinfo);
    if (!setjmp(err.jump)) {
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                     static_cast<unsigned long>(jpeg.size()));
        jpeg_read_header(&cinfo, TRUE);
        jpeg_start_decompress(&cinfo);
        std::vector<JSAMPLE> row(std::size_t(cinfo.output_width) * cinfo.output_components);
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW r = row.data();
            jpeg_read_scanlines(&cinfo, &r, 1);
        }
        jpeg_finish_decompress(&cinfo);
    }
    jpeg_destroy_decompress(&cinfo);
    return err.codes;
}

JpegHeaders readJpegHeaders(const QByteArray& jpeg)
{
    JpegHeaders headers;
    jpeg_decompress_struct cinfo{};
    HeaderErrors err{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = [](j_common_ptr c) {
        std::longjmp(reinterpret_cast<HeaderErrors*>(c->err)->jump, 1);
    };
    jpeg_create_decompress(&cinfo);
    if (setjmp(err.jump)) {
        char text[JMSG_LENGTH_MAX];
        err.pub.format_message(reinterpret_cast<j_common_ptr>(&cinfo), text);
        headers.problem = QString::fromLocal8Bit(text);
    } else {
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                     static_cast<unsigned long>(jpeg.size()));
        jpeg_read_header(&cinfo, TRUE);
        headers.size = QSize(int(cinfo.image_width), int(cinfo.image_height));
        headers.components = cinfo.num_components;
        headers.space = cinfo.jpeg_color_space;
        // libjpeg's 6b interface does not tell a baseline frame from an extended one.
        const int frame = frameHeaderAt(jpeg);
        headers.baseline = frame >= 0 && uchar(jpeg[frame + 1]) == 0xC0;
        headers.progressive = cinfo.progressive_mode;
        headers.jfif = cinfo.saw_JFIF_marker;
        headers.densityUnit = cinfo.density_unit;
        headers.xDensity = cinfo.X_density;
        headers.yDensity = cinfo.Y_density;
        headers.allQuantStepsOne = true;
        for (const JQUANT_TBL* table : cinfo.quant_tbl_ptrs)
            for (int i = 0; table && i < DCTSIZE2; ++i)
                headers.allQuantStepsOne = headers.allQuantStepsOne && table->quantval[i] == 1;
    }
    jpeg_destroy_decompress(&cinfo);
    return headers;
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        throw std::runtime_error(("cannot write test file " + path).toStdString());
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error(("cannot read test file " + path).toStdString());
    return f.readAll();
}

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

namespace
{

// Writes GIF LZW codes, least significant bit first, in sub-blocks of up to 255 bytes.
class GifCodeWriter
{
public:
    void put(int code, int size)
    {
        bits_ |= quint32(code) << count_;
        count_ += size;
        while (count_ >= 8) {
            bytes_ += char(bits_ & 0xFF);
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray finish()
    {
        if (count_ > 0)
            bytes_ += char(bits_ & 0xFF);
        QByteArray blocks;
        for (qsizetype at = 0; at < bytes_.size(); at += 255) {
            const QByteArray part = bytes_.mid(at, 255);
            blocks += char(part.size());
            blocks += part;
        }
        return blocks + '\0';
    }

private:
    QByteArray bytes_;
    quint32 bits_ = 0;
    int count_ = 0;
};

} // namespace

QColor gifPixel(int x, int y)
{
    return paletteColour((x + 3 * y) % 256);
}

QByteArray makeGif(int width, int height, qint64 pixelsCoded)
{
    QByteArray gif("GIF89a");
    QByteArray screen(7, '\0');
    qToLittleEndian(quint16(width), screen.data());
    qToLittleEndian(quint16(height), screen.data() + 2);
    screen[4] = char(0xF7); // a global palette of 256 colours
    gif += screen;
    for (int i = 0; i < 256; ++i) {
        const QColor c = paletteColour(i);
        gif += char(c.red());
        gif += char(c.green());
        gif += char(c.blue());
    }
    QByteArray image(10, '\0');
    image[0] = ',';
    qToLittleEndian(quint16(width), image.data() + 5);
    qToLittleEndian(quint16(height), image.data() + 7);
    gif += image;
    gif += char(8); // LZW minimum code size
    // Every pixel as a code of its own, a clear code before the table would need a wider code:
    // valid LZW that any decoder reads, with no compression.
    constexpr int Clear = 256;
    constexpr int End = 257;
    constexpr int CodeSize = 9;
    constexpr int CodesPerClear = 254;
    const qint64 coded = pixelsCoded < 0 ? qint64(width) * height : pixelsCoded;
    GifCodeWriter codes;
    for (qint64 i = 0; i < coded; ++i) {
        if (i % CodesPerClear == 0)
            codes.put(Clear, CodeSize);
        const int x = int(i % width);
        const int y = int(i / width);
        codes.put((x + 3 * y) % 256, CodeSize);
    }
    codes.put(End, CodeSize);
    gif += codes.finish();
    return gif + ';';
}

bool readEndsCancelled(const QString& path, int waitMs)
{
    PictureProgress progress;
    bool cancelled = false;
    std::exception_ptr error;
    std::thread reader([&] {
        try {
            readPicture(PictureRequest(path, QSize(), &progress));
        } catch (const PictureCancelled&) {
            cancelled = true;
        } catch (...) {
            error = std::current_exception();
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
    progress.cancel = true;
    reader.join();
    if (error)
        std::rethrow_exception(error);
    return cancelled;
}
