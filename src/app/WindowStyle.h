#pragma once
// The platform's widget style with the few classic metrics the window's pixel layout was drawn
// for: a group box's frame runs through the middle of its caption and its controls start right
// under the caption; radio and check indicators are 13 pixels with 4 to their captions. With
// the toolkit's own metrics the captions of the fixed-size controls are cut off or covered.
// A disabled menu entry can be highlighted, so that its hint says why it is disabled.
#include <QProxyStyle>

class WindowStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // On a fresh instance of the application's current style.
    WindowStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// Makes WindowStyle the application's style, once; the main window calls it before it builds
// its controls.
void installWindowStyle();
