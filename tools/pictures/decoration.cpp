#include "decoration.h"

#include "gifwriter.h"
#include "pictureoutput.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>

namespace Decoration {

namespace {

const QColor Navy(18, 42, 100);
const QColor Gold(226, 178, 60);
const QColor Snow(255, 255, 255);

QPainterPath wing(bool right)
{
    // Three swept feathers, the upper one the longest.
    QPainterPath feathers;
    for (int i = 0; i < 3; ++i) {
        const double y = 13.0 + 5.0 * i;
        const double reach = 40.0 - 6.0 * i;
        QPolygonF feather(
            { QPointF(9, y), QPointF(reach, y - 4), QPointF(reach - 3, y + 1), QPointF(9, y + 3.5) });
        feathers.addPolygon(feather);
        feathers.closeSubpath();
    }
    return right ? QTransform::fromTranslate(50.5, 0).map(feathers)
                 : QTransform(-1, 0, 0, 1, 50.5, 0).map(feathers);
}

QPainterPath fuselage()
{
    QPainterPath body(QPointF(-84, -7));
    body.lineTo(-55, -10);
    body.lineTo(62, -10);
    body.cubicTo(74, -10, 84, -5, 86, 2);
    body.cubicTo(84, 7, 76, 10, 66, 10);
    body.lineTo(-40, 10);
    body.cubicTo(-55, 10, -70, 2, -84, -5);
    body.closeSubpath();
    return body;
}

// An airliner in side view, nose towards +x, centred on the origin, about 170 pixels long.
void drawAirliner(QPainter &painter)
{
    const QColor farShade(150, 160, 180);
    const QColor hull(248, 249, 252);
    const QColor wingGrey(196, 202, 214);

    painter.setPen(Qt::NoPen);
    painter.setBrush(farShade);
    painter.drawPolygon(
        QPolygonF({ QPointF(14, -9), QPointF(-4, -9), QPointF(-24, -24), QPointF(-17, -24) }));
    painter.drawPolygon(
        QPolygonF({ QPointF(-64, -7), QPointF(-76, -7), QPointF(-86, -15), QPointF(-81, -15) }));

    painter.setBrush(Navy);
    painter.drawPolygon(
        QPolygonF({ QPointF(-50, -9), QPointF(-70, -40), QPointF(-83, -40), QPointF(-83, -6) }));
    painter.setBrush(Gold);
    painter.drawPolygon(
        QPolygonF({ QPointF(-60, -24), QPointF(-65, -32), QPointF(-81, -32), QPointF(-81, -24) }));

    const QPainterPath body = fuselage();
    painter.setBrush(hull);
    painter.setPen(QPen(QColor(90, 100, 120), 0.8));
    painter.drawPath(body);
    painter.save();
    painter.setClipPath(body);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Navy);
    painter.drawRect(QRectF(-90, 2, 180, 3));
    painter.setBrush(QColor(200, 205, 215));
    painter.drawRect(QRectF(-90, 6, 180, 6));
    painter.restore();

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 60, 90));
    for (int x = -44; x <= 54; x += 5)
        painter.drawRect(QRectF(x, -5, 2, 3));
    painter.drawPolygon(QPolygonF({ QPointF(68, -7), QPointF(76, -6), QPointF(79, -2), QPointF(69, -2.5) }));

    painter.setPen(QPen(QColor(90, 100, 120), 0.8));
    painter.setBrush(wingGrey);
    painter.drawPolygon(QPolygonF({ QPointF(22, 4), QPointF(-16, 4), QPointF(-40, 36), QPointF(-29, 36) }));
    painter.drawPolygon(QPolygonF({ QPointF(-60, 0), QPointF(-76, 0), QPointF(-88, 11), QPointF(-80, 11) }));

    painter.setBrush(hull);
    painter.drawRoundedRect(QRectF(-6, 12, 26, 9), 4, 4);
    painter.setBrush(QColor(50, 55, 70));
    painter.drawEllipse(QRectF(17, 12.5, 4, 8));
}

void drawCloud(QPainter &painter, QPointF at, double scale)
{
    painter.setBrush(QColor(255, 255, 255, 225));
    const QRectF puffs[] = { { -18, -5, 22, 12 }, { -8, -11, 20, 17 }, { 5, -7, 18, 13 }, { -24, 0, 50, 9 } };
    for (const QRectF &puff : puffs)
        painter.drawEllipse(QRectF(at + puff.topLeft() * scale, puff.size() * scale));
}

} // namespace

QImage drawLogo(int scale)
{
    QImage logo(LogoWidth * scale, LogoHeight * scale, QImage::Format_RGB32);
    logo.fill(Navy);
    QPainter painter(&logo);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(QPen(Gold, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2.5, 2.5, LogoWidth - 5, LogoHeight - 5), 5, 5);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Snow);
    painter.drawPath(wing(true));
    painter.drawPath(wing(false));
    painter.setBrush(Gold);
    painter.drawEllipse(QPointF(50.5, 19.5), 8.5, 8.5);
    painter.setBrush(Navy);
    painter.drawPolygon(
        QPolygonF({ QPointF(50.5, 13), QPointF(55, 24), QPointF(50.5, 21.5), QPointF(46, 24) }));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(font);
    painter.setPen(Snow);
    painter.drawText(QRectF(0, 36, LogoWidth + 1.5, 22), Qt::AlignCenter, QStringLiteral("VALDOR"));
    painter.setPen(QPen(Gold, 1));
    painter.drawLine(QPointF(22, 58.5), QPointF(79, 58.5));
    return logo;
}

QImage drawTitleImage(int scale)
{
    QImage scene(TitleImageWidth * scale, TitleImageHeight * scale, QImage::Format_RGB32);
    QPainter painter(&scene);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    const double horizon = 150;

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(28, 78, 158));
    sky.setColorAt(1, QColor(176, 208, 236));
    painter.fillRect(QRectF(0, 0, TitleImageWidth, horizon), sky);

    QRadialGradient sun(QPointF(168, 34), 34);
    sun.setColorAt(0, QColor(255, 250, 220));
    sun.setColorAt(0.3, QColor(255, 236, 170, 220));
    sun.setColorAt(1, QColor(255, 236, 170, 0));
    painter.fillRect(QRectF(120, 0, 88, 80), sun);

    painter.setPen(Qt::NoPen);
    drawCloud(painter, QPointF(40, 40), 1.0);
    drawCloud(painter, QPointF(150, 112), 1.3);
    drawCloud(painter, QPointF(26, 128), 0.8);

    QLinearGradient ground(0, horizon, 0, TitleImageHeight);
    ground.setColorAt(0, QColor(120, 150, 100));
    ground.setColorAt(1, QColor(70, 110, 60));
    painter.fillRect(QRectF(0, horizon, TitleImageWidth, TitleImageHeight - horizon), ground);
    painter.setBrush(QColor(90, 92, 98));
    painter.drawPolygon(QPolygonF({ QPointF(96, horizon), QPointF(112, horizon),
        QPointF(170, TitleImageHeight), QPointF(38, TitleImageHeight) }));
    painter.setPen(QPen(Snow, 2));
    for (double t = 0.12; t < 1.0; t += 0.22) {
        const double y = horizon + (TitleImageHeight - horizon) * t;
        painter.drawLine(QPointF(104, y), QPointF(104, y + 4 + 6 * t));
    }

    painter.translate(100, 92);
    painter.rotate(-12);
    drawAirliner(painter);
    return scene;
}

void writeAll(PictureOutput &output)
{
    output.gif(
        QStringLiteral("Logo.gif"), drawLogo, shadedPalette({ Navy.rgb(), Gold.rgb(), Snow.rgb() }, 12));
    output.jpeg(QStringLiteral("Image.jpg"), drawTitleImage);
}

} // namespace Decoration
