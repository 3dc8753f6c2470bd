#include "screenstyle.h"

#include <QPainter>
#include <QStyleOption>

namespace {

// Where a caption starts along the frame's top line, and the blank kept on each side of it.
constexpr int CaptionIndent = 8;
constexpr int CaptionPadding = 2;
// How far inside a button its focus mark runs.
constexpr int FocusInset = 4;
// The dark half of a frame's line, against the window colour (grey 192 gives grey 128).
constexpr int EtchDarkness = 150;

} // namespace

ScreenStyle::ScreenStyle() = default;

void ScreenStyle::drawControl(
    ControlElement element, const QStyleOption *option, QPainter *painter, const QWidget *widget) const
{
    auto button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element != CE_PushButton || !button || !(button->state & State_HasFocus)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton focused = *button;
    focused.state |= State_KeyboardFocusChange;
    QProxyStyle::drawControl(element, &focused, painter, widget);
    // A dotted rectangle inside the face, as the classic forms have: seen on every desktop theme.
    painter->save();
    painter->setPen(QPen(focused.palette.color(QPalette::ButtonText), 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(focused.rect.adjusted(FocusInset, FocusInset, -FocusInset - 1, -FocusInset - 1));
    painter->restore();
}

void ScreenStyle::drawComplexControl(
    ComplexControl control, const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const
{
    auto frame = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !frame) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // An etched line, dark then light, broken where the caption stands on it.
    const QRect caption
        = frame->text.isEmpty() ? QRect() : subControlRect(control, option, SC_GroupBoxLabel, widget);
    const QRect line = subControlRect(control, option, SC_GroupBoxFrame, widget).adjusted(0, 0, -1, -1);
    const QColor window = frame->palette.color(QPalette::Window);
    painter->save();
    painter->setClipRegion(QRegion(option->rect) - caption);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(window.darker(EtchDarkness));
    painter->drawRect(line.adjusted(0, 0, -1, -1));
    painter->setPen(frame->palette.color(QPalette::Light));
    painter->drawRect(line.adjusted(1, 1, 0, 0));
    painter->restore();
    if (!caption.isEmpty()) {
        proxy()->drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, frame->palette,
            frame->state & State_Enabled, frame->text, QPalette::WindowText);
    }
}

QRect ScreenStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
    SubControl subControl, const QWidget *widget) const
{
    auto frame = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !frame)
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const QFontMetrics &metrics = frame->fontMetrics;
    const QRect &whole = frame->rect;
    // The top line runs through the middle of the caption; without one it is the frame's edge.
    const int captionHeight = frame->text.isEmpty() ? 0 : metrics.height();
    const QRect line = whole.adjusted(0, captionHeight / 2, 0, 0);
    switch (subControl) {
    case SC_GroupBoxLabel:
        return QRect(whole.left() + CaptionIndent, whole.top(),
            metrics.horizontalAdvance(frame->text) + 2 * CaptionPadding, captionHeight);
    case SC_GroupBoxFrame:
        return line;
    case SC_GroupBoxContents:
        return line.adjusted(2, captionHeight - captionHeight / 2 + 2, -2, -2);
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}
