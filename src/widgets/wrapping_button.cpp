#include "wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace rotavex {

namespace {

constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr int OptionCaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr qreal SmallestPointSize = 6.0;

}   // namespace

bool captionFits(const QFont &font, const QString &caption, const QRect &area)
{
    const QRect needed = QFontMetrics(font).boundingRect(area, CaptionFlags, caption);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

WrappingButton::WrappingButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent) {}

QRect WrappingButton::captionArea() const
{
    // The bevel only; the style's wider padding would cut the long words.
    const int bevel = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) + 1;
    return rect().adjusted(bevel, bevel, -bevel, -bevel);
}

QFont WrappingButton::captionFont(const QString &caption) const
{
    QFont fitted = font();
    const QRect area = captionArea();
    while (!captionFits(fitted, caption, area) && fitted.pointSizeF() > SmallestPointSize)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    return fitted;
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    QRect area = captionArea();
    if (isDown() || isChecked())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.setFont(captionFont(caption));
    painter.drawItemText(area, CaptionFlags, palette(), isEnabled(), caption, QPalette::ButtonText);
}

WrappingRadioButton::WrappingRadioButton(const QString &caption, QWidget *parent) : QRadioButton(caption, parent) {}

QRect WrappingRadioButton::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this)
                          + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    return rect().adjusted(indicator, 0, 0, 0);
}

void WrappingRadioButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus;   // drawn around the caption below
    painter.drawControl(QStyle::CE_RadioButton, option);
    const QRect area = captionArea();
    painter.drawItemText(area, OptionCaptionFlags, palette(), isEnabled(), caption, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(area, OptionCaptionFlags, caption).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool WrappingRadioButton::hitButton(const QPoint &pos) const { return rect().contains(pos); }

}   // namespace rotavex
