#include "ColourProfile.h"

#include <QByteArray>

#include <lcms2.h>
#include <memory>
#include <thread>

namespace
{

struct ProfileClose {
    void operator()(void* p) const { cmsCloseProfile(p); }
};
using Profile = std::unique_ptr<void, ProfileClose>;
struct TransformDelete {
    void operator()(void* t) const { cmsDeleteTransform(t); }
};
using Transform = std::unique_ptr<void, TransformDelete>;
struct CurveFree {
    void operator()(cmsToneCurve* c) const { cmsFreeToneCurve(c); }
};

// Pictures of at least this many pixels are converted by two threads, half the rows each.
constexpr qint64 SplitPixels = 1024 * 1024;

// The sRGB curve: IEC 61966-2-1, as the ICC parametric curve of type 4.
std::unique_ptr<cmsToneCurve, CurveFree> srgbCurve()
{
    const cmsFloat64Number parameters[] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
    return std::unique_ptr<cmsToneCurve, CurveFree>(
        cmsBuildParametricToneCurve(nullptr, 4, parameters));
}

Profile rgbProfile(const ColourPrimaries& p)
{
    const cmsCIExyY white = {p.white.x, p.white.y, 1.0};
    const cmsCIExyYTRIPLE primaries = {
        {p.red.x, p.red.y, 1.0}, {p.green.x, p.green.y, 1.0}, {p.blue.x, p.blue.y, 1.0}};
    const auto curve = srgbCurve();
    cmsToneCurve* curves[3] = {curve.get(), curve.get(), curve.get()};
    return Profile(cmsCreateRGBProfile(&white, &primaries, curves));
}

Profile greySrgbProfile()
{
    const auto curve = srgbCurve();
    return Profile(cmsCreateGrayProfile(cmsD50_xyY(), curve.get()));
}

// Runs the transform over the rows of `image`, split between two threads for a large picture.
void transformRows(void* transform, QImage& image)
{
    uchar* bits = image.bits(); // detached here, once, before the threads share it
    const qsizetype stride = image.bytesPerLine();
    const auto run = [&](int first, int last) {
        if (last > first)
            cmsDoTransformLineStride(transform, bits + first * stride, bits + first * stride,
                                     cmsUInt32Number(image.width()), cmsUInt32Number(last - first),
                                     cmsUInt32Number(stride), cmsUInt32Number(stride), 0, 0);
    };
    const int height = image.height();
    if (qint64(image.width()) * height < SplitPixels) {
        run(0, height);
        return;
    }
    std::thread other(run, 0, height / 2);
    run(height / 2, height);
    other.join();
}

bool convertWith(QImage& image, void* source)
{
    if (!source || image.isNull())
        return false;
    const cmsColorSpaceSignature space = cmsGetColorSpace(source);
    const cmsUInt32Number intent = INTENT_PERCEPTUAL;
    const cmsUInt32Number flags = cmsFLAGS_BLACKPOINTCOMPENSATION | cmsFLAGS_NOCACHE;
    if (space == cmsSigGrayData) {
        if (image.format() != QImage::Format_Grayscale8)
            return false;
        const Profile grey = greySrgbProfile();
        const Transform t(
            cmsCreateTransform(source, TYPE_GRAY_8, grey.get(), TYPE_GRAY_8, intent, flags));
        if (!t)
            return false;
        transformRows(t.get(), image);
        return true;
    }
    if (space != cmsSigRgbData)
        return false;
    const Profile srgb(cmsCreate_sRGBProfile());
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono ||
        image.format() == QImage::Format_MonoLSB) {
        QList<QRgb> table = image.colorTable();
        const Transform t(cmsCreateTransform(source, TYPE_BGRA_8, srgb.get(), TYPE_BGRA_8, intent,
                                             flags | cmsFLAGS_COPY_ALPHA));
        if (!t || table.isEmpty())
            return false;
        cmsDoTransform(t.get(), table.data(), table.data(), cmsUInt32Number(table.size()));
        image.setColorTable(table);
        return true;
    }
    cmsUInt32Number type = TYPE_BGRA_8;
    if (image.format() == QImage::Format_RGB888) {
        type = TYPE_RGB_8;
    } else if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) {
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (image.isNull())
            return false;
    }
    const Transform t(
        cmsCreateTransform(source, type, srgb.get(), type, intent, flags | cmsFLAGS_COPY_ALPHA));
    if (!t)
        return false;
    transformRows(t.get(), image);
    return true;
}

} // namespace

bool convertToSrgb(QImage& image, QByteArrayView icc)
{
    if (icc.isEmpty())
        return false;
    const Profile source(cmsOpenProfileFromMem(icc.data(), cmsUInt32Number(icc.size())));
    return convertWith(image, source.get());
}

bool convertToSrgb(QImage& image, const ColourPrimaries& primaries)
{
    const Profile source = rgbProfile(primaries);
    return convertWith(image, source.get());
}

CmykToSrgb::CmykToSrgb(QByteArrayView icc, bool inverted)
{
    if (icc.isEmpty())
        return;
    const Profile source(cmsOpenProfileFromMem(icc.data(), cmsUInt32Number(icc.size())));
    if (!source || cmsGetColorSpace(source.get()) != cmsSigCmykData)
        return;
    const Profile srgb(cmsCreate_sRGBProfile());
    void* t = cmsCreateTransform(source.get(), inverted ? TYPE_CMYK_8_REV : TYPE_CMYK_8, srgb.get(),
                                 TYPE_RGB_8, INTENT_PERCEPTUAL, cmsFLAGS_BLACKPOINTCOMPENSATION);
    if (t)
        transform_ = std::shared_ptr<void>(t, cmsDeleteTransform);
}

void CmykToSrgb::convertRow(const uchar* cmyk, uchar* rgb, int width) const
{
    cmsDoTransform(transform_.get(), cmyk, rgb, cmsUInt32Number(width));
}

QByteArray displayP3Profile()
{
    const ColourPrimaries p3{{0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}, {0.3127, 0.3290}};
    const Profile profile = rgbProfile(p3);
    cmsUInt32Number size = 0;
    if (!profile || !cmsSaveProfileToMem(profile.get(), nullptr, &size))
        return {};
    QByteArray bytes(qsizetype(size), '\0');
    cmsSaveProfileToMem(profile.get(), bytes.data(), &size);
    return bytes;
}
