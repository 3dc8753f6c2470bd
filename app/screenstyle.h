#pragma once

#include <QProxyStyle>

// The desktop's own style, with two things the screens' candidates rely on: the focused button
// always shows its focus mark, however the focus got there (the desktop draws it only after a
// keyboard navigation, yet the screens move the focus by themselves), and a frame's caption sits
// in the frame's top line, as on the classic forms the screens are laid out like.
class ScreenStyle : public QProxyStyle {
    Q_OBJECT
public:
    ScreenStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl subControl,
        const QWidget *widget = nullptr) const override;
};
