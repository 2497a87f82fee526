#include "WindowStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace
{

constexpr int IndicatorSide = 13;
constexpr int IndicatorSpacing = 4;
// The caption starts this far from the box's left edge, with a little room on either side
// where the frame line is left out.
constexpr int CaptionIndent = 6;
constexpr int CaptionPad = 2;
// The frame is an etched line: a shadow line with a light one inside it.
constexpr int FrameWidth = 2;

bool plainGroupBox(const QStyleOptionComplex* option)
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    return box && !(box->subControls & QStyle::SC_GroupBoxCheckBox);
}

} // namespace

WindowStyle::WindowStyle() : QProxyStyle(QApplication::style()->name()) {}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const
{
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return IndicatorSide;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
        return IndicatorSpacing;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize WindowStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& contents, const QWidget* widget) const
{
    // A radio button or check box takes its indicator, the spacing and its caption, no more.
    if (type == CT_RadioButton || type == CT_CheckBox) {
        const int spacing = contents.isEmpty() ? 0 : IndicatorSpacing;
        return {IndicatorSide + spacing + contents.width(), qMax(IndicatorSide, contents.height())};
    }
    return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl sub, const QWidget* widget) const
{
    if (control != CC_GroupBox || !plainGroupBox(option))
        return QProxyStyle::subControlRect(control, option, sub, widget);
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    const QRect rect = box->rect;
    const int caption = box->fontMetrics.height();
    switch (sub) {
    case SC_GroupBoxFrame:
        return box->text.isEmpty() ? rect : rect.adjusted(0, caption / 2, 0, 0);
    case SC_GroupBoxLabel: {
        if (box->text.isEmpty())
            return {};
        const int width = box->fontMetrics.size(Qt::TextShowMnemonic, box->text).width();
        return {rect.left() + CaptionIndent, rect.top(), width + 2 * CaptionPad, caption};
    }
    case SC_GroupBoxContents:
        return rect.adjusted(FrameWidth, box->text.isEmpty() ? FrameWidth : caption, -FrameWidth,
                             -FrameWidth);
    default:
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const
{
    if (control != CC_GroupBox || !plainGroupBox(option)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
    const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
    painter->save();
    if (box->subControls & SC_GroupBoxFrame) {
        // The line stops on either side of the caption, which stands in its gap.
        if (!label.isEmpty())
            painter->setClipRegion(QRegion(box->rect) - QRegion(label));
        painter->setPen(box->palette.color(QPalette::Mid));
        painter->drawRect(frame.adjusted(0, 0, -2, -2));
        painter->setPen(box->palette.color(QPalette::Light));
        painter->drawRect(frame.adjusted(1, 1, -1, -1));
        painter->setClipping(false);
    }
    if (!label.isEmpty() && (box->subControls & SC_GroupBoxLabel))
        drawItemText(painter, label, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                     box->state & State_Enabled, box->text, QPalette::WindowText);
    painter->restore();
}

int WindowStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const
{
    if (hint == SH_Menu_AllowActiveAndDisabled)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void installWindowStyle()
{
    if (!qobject_cast<WindowStyle*>(QApplication::style()))
        QApplication::setStyle(new WindowStyle);
}
