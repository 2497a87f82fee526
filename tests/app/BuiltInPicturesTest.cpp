// The pictures the window carries: uncompressed 24-bit bitmaps of the sizes the layouts and
// the welcome card draw them at, and a 16-colour icon.
#include "support/FormFixture.h"
#include "support/WindowControls.h"

#include <QFile>
#include <QImageReader>

namespace
{

QByteArray resource(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 le(const QByteArray& b, int at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | quint8(b[at + i]);
    return v;
}

} // namespace

TEST_F(FormFixture, BuiltInPicturesAreUncompressed24BitBitmaps)
{
    const std::pair<const char*, QSize> pictures[] = {
        {"ppImage", {88, 88}},     {"llImage", {88, 88}},  {"slImage", {88, 88}},
        {"FourupImage", {88, 88}}, {"Image1", {300, 250}},
    };
    for (const auto& [name, size] : pictures) {
        SCOPED_TRACE(name);
        const QByteArray b = resource(QStringLiteral(":/pictures/%1.bmp").arg(name));
        ASSERT_GE(b.size(), 54);
        EXPECT_EQ(b.left(2), QByteArray("BM"));
        EXPECT_EQ(le(b, 18, 4), quint32(size.width()));
        EXPECT_EQ(le(b, 22, 4), quint32(size.height()));
        EXPECT_EQ(le(b, 28, 2), 24u) << "bits per pixel";
        EXPECT_EQ(le(b, 30, 4), 0u) << "compression";
        EXPECT_GE(b.size(),
                  qsizetype(le(b, 10, 4) + ((size.width() * 3 + 3) & ~3) * size.height()));
    }
    EXPECT_EQ(findControl<ImageBox>(*form, "Image1")->canvas().size(), QSize(300, 250));
    EXPECT_EQ(findControl<ImageBox>(*form, "FourupImage")->canvas().size(), QSize(88, 88));
}

TEST_F(FormFixture, IconIs32By32In16Colours)
{
    QImageReader reader(QStringLiteral(":/pictures/icon.png"));
    const QImage icon = reader.read();
    ASSERT_FALSE(icon.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    ASSERT_EQ(icon.format(), QImage::Format_Indexed8);
    EXPECT_LE(icon.colorCount(), 16);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the corners are transparent";
    EXPECT_FALSE(form->windowIcon().isNull());
}
