#include "PictureExtent.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QtEndian>

#include <array>
#include <cstring>

namespace
{

constexpr qint64 BlockSize = 64 * 1024;

// Reads the device forwards in blocks, byte by byte or skipping; past its end or its limit
// every read fails.
class Walker
{
public:
    Walker(QIODevice& device, qint64 limit, const std::atomic<bool>* cancel)
        : device_(device), limit_(limit), cancel_(cancel)
    {
        device_.seek(0);
    }

    // The next byte, or -1 at the end of the file or the limit.
    int byte()
    {
        if (at_ == buffer_.size() && !fill())
            return -1;
        ++position_;
        return uchar(buffer_[at_++]);
    }
    // A big-endian or little-endian number of `bytes` bytes; -1 at the end.
    qint64 number(int bytes, bool bigEndian)
    {
        qint64 value = 0;
        for (int i = 0; i < bytes; ++i) {
            const int b = byte();
            if (b < 0)
                return -1;
            value = bigEndian ? value << 8 | b : value | qint64(b) << (8 * i);
        }
        return value;
    }
    // Passes over `count` bytes; false when the file ends first.
    bool skip(qint64 count)
    {
        const qint64 buffered = buffer_.size() - at_;
        if (count <= buffered) {
            at_ += count;
            position_ += count;
            return true;
        }
        const qint64 target = position_ + count;
        if (target > device_.size() || (limit_ > 0 && target > limit_)) {
            overLimit_ = limit_ > 0 && target > limit_ && target <= device_.size();
            return false;
        }
        buffer_.clear();
        at_ = 0;
        position_ = target;
        return device_.seek(target);
    }
    // Passes over bytes up to the next `value`, which is left to be read; false at the end.
    bool skipUntil(uchar value)
    {
        for (;;) {
            if (at_ == buffer_.size() && !fill())
                return false;
            const char* start = buffer_.constData() + at_;
            const void* found = std::memchr(start, value, std::size_t(buffer_.size() - at_));
            const qsizetype passed =
                found ? static_cast<const char*>(found) - start : buffer_.size() - at_;
            at_ += passed;
            position_ += passed;
            if (found)
                return true;
        }
    }
    qint64 position() const { return position_; }
    bool overLimit() const { return overLimit_; }
    qint64 size() const { return device_.size(); }

private:
    bool fill()
    {
        if (cancel_ && cancel_->load(std::memory_order_relaxed))
            return false; // the caller sees the cancel itself
        qint64 want = BlockSize;
        if (limit_ > 0)
            want = qMin(want, limit_ - position_);
        if (want <= 0) {
            overLimit_ = position_ < device_.size();
            return false;
        }
        buffer_ = device_.read(want);
        at_ = 0;
        return !buffer_.isEmpty();
    }

    QIODevice& device_;
    qint64 limit_;
    const std::atomic<bool>* cancel_;
    QByteArray buffer_;
    qsizetype at_ = 0;
    qint64 position_ = 0;
    bool overLimit_ = false;
};

// At the end of the file: cut short, or stopped by the limit.
PictureExtent endedEarly(const Walker& w)
{
    return {w.overLimit() ? PictureExtent::Damaged : PictureExtent::CutShort, w.position()};
}

PictureExtent damaged(const Walker& w)
{
    return {PictureExtent::Damaged, w.position()};
}

constexpr int Eoi = 0xD9;

bool standalone(int marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

PictureExtent jpegExtent(Walker& w)
{
    if (w.byte() != 0xFF || w.byte() != 0xD8)
        return damaged(w);
    for (;;) {
        // Entropy-coded data, or stray bytes libjpeg passes over, up to the next marker.
        if (!w.skipUntil(0xFF))
            return endedEarly(w);
        int b = w.byte();
        do
            b = w.byte();
        while (b == 0xFF); // fill bytes
        if (b < 0)
            return endedEarly(w);
        if (b == 0 || standalone(b))
            continue; // a stuffed 0xFF in the data, a restart marker
        if (b == Eoi)
            return {PictureExtent::Whole, w.position()};
        const qint64 length = w.number(2, true);
        if (length < 0)
            return endedEarly(w);
        if (length < 2)
            return damaged(w);
        if (!w.skip(length - 2))
            return endedEarly(w);
    }
}

PictureExtent pngExtent(Walker& w)
{
    static constexpr uchar Signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    for (const uchar s : Signature)
        if (w.byte() != s)
            return damaged(w);
    for (;;) {
        const qint64 length = w.number(4, true);
        const qint64 type = w.number(4, true);
        if (type < 0)
            return endedEarly(w);
        if (length > 0x7FFFFFFF)
            return damaged(w);
        if (!w.skip(length + 4)) // the data and the CRC
            return endedEarly(w);
        if (type == 0x49454E44) // "IEND"
            return {PictureExtent::Whole, w.position()};
    }
}

// Counts the pixels a GIF image's LZW codes give, as they arrive byte by byte.
class LzwCounter
{
public:
    // A minimum code size is 1 to 11 bits (a byte of the file: anything else is damage).
    explicit LzwCounter(int minCodeSize)
        : minCodeSize_(qBound(1, minCodeSize, 11)), clear_(1 << minCodeSize_),
          valid_(minCodeSize >= 1 && minCodeSize <= 11)
    {
        restart();
    }
    void feed(int byte)
    {
        if (!valid_ || ended_)
            return; // the rest of the data gives no pixel
        bits_ |= quint32(byte) << bitCount_;
        bitCount_ += 8;
        while (valid_ && !ended_ && bitCount_ >= codeSize_) {
            const int code = int(bits_ & ((1u << codeSize_) - 1));
            bits_ >>= codeSize_;
            bitCount_ -= codeSize_;
            take(code);
        }
    }
    qint64 pixels() const { return pixels_; }
    bool valid() const { return valid_; }

private:
    static constexpr int MaxCodes = 4096;
    static constexpr int MaxCodeSize = 12;

    void restart()
    {
        codeSize_ = minCodeSize_ + 1;
        next_ = clear_ + 2;
        previous_ = -1;
    }
    void take(int code)
    {
        if (code == clear_)
            return restart();
        if (code == clear_ + 1) {
            ended_ = true;
            return;
        }
        if (previous_ < 0) {
            if (code > clear_) {
                valid_ = false;
                return;
            }
            ++pixels_;
            previous_ = code;
            return;
        }
        const int previousLength = previous_ < clear_ ? 1 : lengths_[std::size_t(previous_)];
        int length;
        if (code < clear_)
            length = 1;
        else if (code < next_)
            length = lengths_[std::size_t(code)];
        else if (code == next_)
            length = previousLength + 1;
        else {
            valid_ = false;
            return;
        }
        pixels_ += length;
        if (next_ < MaxCodes) {
            lengths_[std::size_t(next_)] = previousLength + 1;
            ++next_;
            if (next_ == (1 << codeSize_) && codeSize_ < MaxCodeSize)
                ++codeSize_;
        }
        previous_ = code;
    }

    int minCodeSize_;
    int clear_;
    bool valid_;
    bool ended_ = false;
    int codeSize_ = 0;
    int next_ = 0;
    int previous_ = -1;
    quint32 bits_ = 0;
    int bitCount_ = 0;
    qint64 pixels_ = 0;
    std::array<int, MaxCodes> lengths_{};
};

// Passes over a GIF's data sub-blocks through their terminator, handing each byte to `take`
// when given. False when the file ends first.
template <typename Take> bool gifSubBlocks(Walker& w, Take take)
{
    for (;;) {
        const int length = w.byte();
        if (length < 0)
            return false;
        if (length == 0)
            return true;
        for (int i = 0; i < length; ++i) {
            const int b = w.byte();
            if (b < 0)
                return false;
            take(b);
        }
    }
}

PictureExtent gifExtent(Walker& w)
{
    for (const char c : {'G', 'I', 'F', '8'})
        if (w.byte() != c)
            return damaged(w);
    const int version = w.byte();
    if ((version != '7' && version != '9') || w.byte() != 'a')
        return damaged(w);
    if (!w.skip(4)) // the screen's width and height
        return endedEarly(w);
    const int flags = w.byte();
    if (flags < 0 || !w.skip(2))
        return endedEarly(w);
    if ((flags & 0x80) && !w.skip(3 << ((flags & 7) + 1)))
        return endedEarly(w);
    bool firstImageWhole = false;
    for (;;) {
        const int block = w.byte();
        if (block < 0) {
            // Later frames are never shown: a file cut after its first image still holds it.
            if (firstImageWhole)
                return {PictureExtent::Whole, w.position()};
            return endedEarly(w);
        }
        if (block == 0x3B) // the trailer
            return firstImageWhole ? PictureExtent{PictureExtent::Whole, w.position()} : damaged(w);
        if (block == 0x21) { // an extension: its label, then sub-blocks
            if (w.byte() < 0 || !gifSubBlocks(w, [](int) {}))
                return firstImageWhole ? PictureExtent{PictureExtent::Whole, w.size()}
                                       : endedEarly(w);
            continue;
        }
        if (block != 0x2C)
            return firstImageWhole ? PictureExtent{PictureExtent::Whole, w.position() - 1}
                                   : damaged(w);
        if (!w.skip(4))
            return endedEarly(w);
        const qint64 width = w.number(2, false);
        const qint64 height = w.number(2, false);
        const int imageFlags = w.byte();
        if (imageFlags < 0 || ((imageFlags & 0x80) && !w.skip(3 << ((imageFlags & 7) + 1))))
            return firstImageWhole ? PictureExtent{PictureExtent::Whole, w.size()} : endedEarly(w);
        const int minCodeSize = w.byte();
        if (minCodeSize < 0)
            return firstImageWhole ? PictureExtent{PictureExtent::Whole, w.size()} : endedEarly(w);
        if (firstImageWhole) {
            if (!gifSubBlocks(w, [](int) {}))
                return {PictureExtent::Whole, w.size()};
            continue;
        }
        LzwCounter counter(minCodeSize);
        if (!gifSubBlocks(w, [&](int b) { counter.feed(b); }))
            return endedEarly(w);
        if (!counter.valid() || counter.pixels() < width * height)
            return damaged(w);
        firstImageWhole = true;
    }
}

PictureExtent riffExtent(Walker& w)
{
    for (const char c : {'R', 'I', 'F', 'F'})
        if (w.byte() != c)
            return damaged(w);
    const qint64 size = w.number(4, false);
    if (size < 0)
        return endedEarly(w);
    const qint64 end = 8 + size + (size & 1);
    if (w.size() < end)
        return {PictureExtent::CutShort, w.size()};
    return {PictureExtent::Whole, end};
}

// The top-level boxes of an ISO base media file (HEIF, AVIF): each says its length, and the
// picture ends with the last of them.
PictureExtent boxesExtent(Walker& w)
{
    for (;;) {
        const qint64 at = w.position();
        const qint64 size = w.number(4, true);
        if (size < 0)
            return at == 0 ? endedEarly(w) : PictureExtent{PictureExtent::Whole, at};
        if (w.number(4, true) < 0)
            return endedEarly(w);
        qint64 length = size;
        if (size == 1) { // a 64-bit length follows the type
            length = w.number(8, true);
            if (length < 16)
                return damaged(w);
        } else if (size == 0) { // the box goes to the end of the file
            return {PictureExtent::Whole, w.size()};
        } else if (size < 8) {
            return damaged(w);
        }
        if (!w.skip(at + length - w.position()))
            return endedEarly(w);
    }
}

// The first directory of a TIFF file and the strips or tiles it names: the picture reaches to
// the end of the last of them. Qt's writer, like many, puts the directory after the pixels.
PictureExtent tiffExtent(QIODevice& device, qint64 limit)
{
    const qint64 size = device.size();
    device.seek(0);
    const QByteArray header = device.read(8);
    if (header.size() < 8)
        return {PictureExtent::CutShort, size};
    const bool big = header.startsWith("MM");
    const auto value = [big](const char* p, int bytes) -> qint64 {
        if (bytes == 2)
            return big ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
        return big ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
    };
    const qint64 directory = value(header.constData() + 4, 4);
    if (directory + 2 > size)
        return {PictureExtent::CutShort, size};
    device.seek(directory);
    const qint64 count = value(device.read(2).constData(), 2);
    constexpr int EntrySize = 12;
    const QByteArray entries = device.read(count * EntrySize);
    if (entries.size() < count * EntrySize)
        return {PictureExtent::CutShort, size};
    qint64 end = directory + 2 + count * EntrySize + 4;
    // Offsets (273 strips, 324 tiles) and byte counts (279, 325), each a SHORT or LONG array
    // stored in the entry when it fits, elsewhere in the file otherwise.
    const auto array = [&](int tag) -> QList<qint64> {
        for (qint64 i = 0; i < count; ++i) {
            const char* e = entries.constData() + i * EntrySize;
            if (value(e, 2) != tag)
                continue;
            const int type = int(value(e + 2, 2));
            const int width = type == 3 ? 2 : type == 4 ? 4 : 0;
            const qint64 n = value(e + 4, 4);
            if (width == 0 || n <= 0 || n * width > qMin<qint64>(limit > 0 ? limit : size, size))
                return {};
            QByteArray data;
            if (n * width <= 4) {
                data = QByteArray(e + 8, 4);
            } else {
                device.seek(value(e + 8, 4));
                data = device.read(n * width);
                if (data.size() < n * width)
                    return {};
            }
            QList<qint64> values;
            for (qint64 k = 0; k < n; ++k)
                values << value(data.constData() + k * width, width);
            return values;
        }
        return {};
    };
    for (const auto& [offsets, counts] : {std::pair{273, 279}, std::pair{324, 325}}) {
        const QList<qint64> at = array(offsets);
        const QList<qint64> length = array(counts);
        for (qsizetype k = 0; k < qMin(at.size(), length.size()); ++k)
            end = qMax(end, at[k] + length[k]);
    }
    if (end > size)
        return {PictureExtent::CutShort, size};
    // Other directories (pages, EXIF data, a colour profile) may lie anywhere: the whole file.
    return {PictureExtent::Whole, size};
}

} // namespace

PictureExtent pictureExtent(QIODevice& device, qint64 limit, const std::atomic<bool>* cancel)
{
    device.seek(0);
    const QByteArray start = device.peek(4);
    Walker w(device, limit, cancel);
    if (start.startsWith("\xFF\xD8"))
        return jpegExtent(w);
    if (start.startsWith("\x89PNG"))
        return pngExtent(w);
    if (start.startsWith("GIF8"))
        return gifExtent(w);
    if (start.startsWith("RIFF"))
        return riffExtent(w);
    if (device.peek(8).mid(4) == "ftyp")
        return boxesExtent(w);
    if (start.startsWith("II*") || start.startsWith(QByteArrayView("MM\0*", 4)))
        return tiffExtent(device, limit);
    return {PictureExtent::Unknown, device.size()};
}
