// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScalingStyle.h"

#include <QApplication>
#include <QFontInfo>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <cmath>
#include <optional>

namespace kav::gui {
namespace {

qreal pixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

// The parts a style draws at a fixed size, whatever the font.
bool isScaledMetric(QStyle::PixelMetric metric) {
    switch (metric) {
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_CheckBoxLabelSpacing:
    case QStyle::PM_RadioButtonLabelSpacing:
    case QStyle::PM_SmallIconSize:
    case QStyle::PM_ButtonIconSize:
    case QStyle::PM_ToolBarIconSize:
    case QStyle::PM_TabBarIconSize:
    case QStyle::PM_LayoutLeftMargin:
    case QStyle::PM_LayoutTopMargin:
    case QStyle::PM_LayoutRightMargin:
    case QStyle::PM_LayoutBottomMargin:
    case QStyle::PM_LayoutHorizontalSpacing:
    case QStyle::PM_LayoutVerticalSpacing:
        return true;
    default:
        return false;
    }
}

// A complex control drawn at its unscaled size and magnified: the option for the unscaled
// control at the origin, and the factors that map it onto the real one.
struct UnscaledControl {
    std::optional<QStyleOptionSpinBox> spinBox;
    std::optional<QStyleOptionComboBox> comboBox;
    qreal scaleX = 1.0;
    qreal scaleY = 1.0;

    const QStyleOptionComplex* option() const {
        if (spinBox)
            return &*spinBox;
        if (comboBox)
            return &*comboBox;
        return nullptr;
    }

    QRect toScaled(const QRect& r, const QPoint& origin) const {
        if (!r.isValid())
            return r;
        const auto x = [this](int v) { return static_cast<int>(std::lround(v * scaleX)); };
        const auto y = [this](int v) { return static_cast<int>(std::lround(v * scaleY)); };
        return QRect(QPoint(x(r.left()), y(r.top())),
                     QPoint(x(r.right() + 1) - 1, y(r.bottom() + 1) - 1))
            .translated(origin);
    }
};

template <typename Option>
void shrinkInto(std::optional<Option>& slot, const QStyleOption* option, qreal scale,
                UnscaledControl& control) {
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (!typed)
        return;
    Option copy = *typed;
    const QSize size = option->rect.size();
    const QSize small(std::max(1, static_cast<int>(std::lround(size.width() / scale))),
                      std::max(1, static_cast<int>(std::lround(size.height() / scale))));
    copy.rect = QRect(QPoint(0, 0), small);
    control.scaleX = static_cast<qreal>(size.width()) / small.width();
    control.scaleY = static_cast<qreal>(size.height()) / small.height();
    slot = copy;
}

// Spin boxes (their arrows) and combo boxes (the date pickers' drop-down arrow) are drawn
// magnified; the other complex controls are not on the window.
std::optional<UnscaledControl> unscaled(QStyle::ComplexControl control, const QStyleOption* option,
                                        qreal scale) {
    UnscaledControl result;
    if (control == QStyle::CC_SpinBox)
        shrinkInto(result.spinBox, option, scale, result);
    else if (control == QStyle::CC_ComboBox)
        shrinkInto(result.comboBox, option, scale, result);
    if (!result.option())
        return std::nullopt;
    return result;
}

class InsideScaledControl {
public:
    explicit InsideScaledControl(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~InsideScaledControl() { flag_ = before_; }
    InsideScaledControl(const InsideScaledControl&) = delete;
    InsideScaledControl& operator=(const InsideScaledControl&) = delete;

private:
    bool& flag_;
    bool before_;
};

} // namespace

ScalingStyle::ScalingStyle(QStyle* base) : QProxyStyle(base) {}

qreal ScalingStyle::scaleOf(const QWidget* widget) {
    if (!widget)
        return 1.0;
    const QWidget* window = widget->window();
    if (window == widget)
        return 1.0;
    const QFont& own = widget->font();
    const QFont& designed = window->font();
    if (own.pixelSize() <= 0 && designed.pixelSize() <= 0)
        return std::max(1.0, own.pointSizeF() / designed.pointSizeF());
    const qreal base = pixelSizeOf(designed);
    return base > 0 ? std::max(1.0, pixelSizeOf(own) / base) : 1.0;
}

qreal ScalingStyle::scaleFor(const QWidget* widget) const {
    return insideScaledControl_ ? 1.0 : scaleOf(widget);
}

int ScalingStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    const qreal scale = isScaledMetric(metric) ? scaleFor(widget) : 1.0;
    return scale > 1.0 ? static_cast<int>(std::lround(value * scale)) : value;
}

QRect ScalingStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                   SubControl subControl, const QWidget* widget) const {
    const qreal scale = scaleFor(widget);
    if (scale > 1.0) {
        if (const auto small = unscaled(control, option, scale)) {
            const InsideScaledControl inside(insideScaledControl_);
            const QRect r =
                baseStyle()->subControlRect(control, small->option(), subControl, widget);
            return small->toScaled(r, option->rect.topLeft());
        }
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

void ScalingStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    const qreal scale = scaleFor(widget);
    if (scale > 1.0) {
        if (const auto small = unscaled(control, option, scale)) {
            const InsideScaledControl inside(insideScaledControl_);
            painter->save();
            painter->translate(option->rect.topLeft());
            painter->scale(small->scaleX, small->scaleY);
            baseStyle()->drawComplexControl(control, small->option(), painter, widget);
            painter->restore();
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QSize ScalingStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& contents, const QWidget* widget) const {
    const qreal scale = scaleFor(widget);
    const ComplexControl control = type == CT_SpinBox    ? CC_SpinBox
                                   : type == CT_ComboBox ? CC_ComboBox
                                                         : CC_CustomBase;
    if (scale > 1.0 && control != CC_CustomBase) {
        if (const auto small = unscaled(control, option, scale)) {
            const InsideScaledControl inside(insideScaledControl_);
            const QSize unscaledContents(static_cast<int>(std::lround(contents.width() / scale)),
                                         static_cast<int>(std::lround(contents.height() / scale)));
            const QSize size =
                baseStyle()->sizeFromContents(type, small->option(), unscaledContents, widget);
            return QSize(static_cast<int>(std::lround(size.width() * scale)),
                         static_cast<int>(std::lround(size.height() * scale)));
        }
    }
    return QProxyStyle::sizeFromContents(type, option, contents, widget);
}

void installScalingStyle() {
    if (qobject_cast<ScalingStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new ScalingStyle(QStyleFactory::create(QApplication::style()->name())));
}

} // namespace kav::gui
