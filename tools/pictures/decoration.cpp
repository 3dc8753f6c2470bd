#include "decoration.h"

#include "gifwriter.h"
#include "icofile.h"
#include "pictureoutput.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QStringList>
#include <QTransform>
#include <QVector>

namespace Decoration {

namespace {

const QColor Navy(18, 42, 100);
const QColor Gold(226, 178, 60);
const QColor Snow(255, 255, 255);
const QPointF EmblemCentre(50.5, 19.5);

struct Shape {
    QPainterPath path;
    QColor colour;
};

QPainterPath wings()
{
    // Three swept feathers each side, the upper one the longest.
    QPainterPath right;
    for (int i = 0; i < 3; ++i) {
        const double y = 13.0 + 5.0 * i;
        const double reach = 40.0 - 6.0 * i;
        right.addPolygon(QPolygonF(
            { QPointF(9, y), QPointF(reach, y - 4), QPointF(reach - 3, y + 1), QPointF(9, y + 3.5) }));
        right.closeSubpath();
    }
    QPainterPath both = QTransform::fromTranslate(EmblemCentre.x(), 0).map(right);
    both.addPath(QTransform(-1, 0, 0, 1, EmblemCentre.x(), 0).map(right));
    return both;
}

// The winged medallion at the top of the logo, in logo pixels; the icon places the wings and the
// medallion with its own transforms.
QVector<Shape> emblem(const QTransform &wingPlacement, const QTransform &medallionPlacement)
{
    QPainterPath medallion;
    medallion.addEllipse(EmblemCentre, 8.5, 8.5);
    QPainterPath arrow;
    arrow.addPolygon(QPolygonF({ QPointF(50.5, 13), QPointF(55, 24), QPointF(50.5, 21.5), QPointF(46, 24) }));
    arrow.closeSubpath();
    return { { wingPlacement.map(wings()), Snow }, { medallionPlacement.map(medallion), Gold },
        { medallionPlacement.map(arrow), Navy } };
}

void fill(QPainter &painter, const QVector<Shape> &shapes)
{
    for (const Shape &shape : shapes)
        painter.fillPath(shape.path, shape.colour);
}

QString svgPathData(const QPainterPath &path)
{
    auto point = [](const QPainterPath::Element &element) {
        return QString::number(element.x, 'f', 3) + QLatin1Char(' ') + QString::number(element.y, 'f', 3);
    };
    QStringList commands;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            commands.append(QStringLiteral("M") + point(element));
            break;
        case QPainterPath::LineToElement:
            commands.append(QStringLiteral("L") + point(element));
            break;
        case QPainterPath::CurveToElement:
            // A cubic curve: its two control points then its end point.
            commands.append(QStringLiteral("C") + point(element) + QLatin1Char(' ')
                + point(path.elementAt(i + 1)) + QLatin1Char(' ') + point(path.elementAt(i + 2)));
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return commands.join(QLatin1Char(' '));
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

QVector<Shape> iconShapes()
{
    // Edges on multiples of 8 units fall on whole pixels at 16 pixels and every larger size.
    const double side = IconDesignSize;
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0, 0, side, side), 24, 24);
    QPainterPath field;
    field.addRoundedRect(QRectF(8, 8, side - 16, side - 16), 16, 16);

    // The logo's wings fill the width; its medallion grows more, so it still reads at 16 pixels.
    const QPointF centre(side / 2, side / 2);
    auto around = [&centre](double scale) {
        return QTransform::fromTranslate(-EmblemCentre.x(), -EmblemCentre.y())
            * QTransform::fromScale(scale, scale) * QTransform::fromTranslate(centre.x(), centre.y());
    };
    QVector<Shape> shapes { { frame, Gold }, { field, Navy } };
    shapes += emblem(around(1.35), around(2.8));
    return shapes;
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
    fill(painter, emblem(QTransform(), QTransform()));

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

QImage drawIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / IconDesignSize, size / IconDesignSize);
    fill(painter, iconShapes());
    return icon;
}

QByteArray iconSvg()
{
    const QString side = QString::number(IconDesignSize);
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                                 "viewBox=\"0 0 %1 %1\">\n")
                      .arg(side);
    for (const Shape &shape : iconShapes()) {
        svg += QStringLiteral("  <path fill=\"%1\" fill-rule=\"evenodd\" d=\"%2\"/>\n")
                   .arg(shape.colour.name(), svgPathData(shape.path));
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
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
    output.iconFile(QStringLiteral("icon.svg"), iconSvg());
    QVector<QImage> icons;
    for (int size : IconSizes) {
        icons.append(drawIcon(size));
        output.iconPng(QStringLiteral("icon-%1.png").arg(size), icons.last());
    }
    output.iconFile(QStringLiteral("icon.ico"), icoFile(icons));
}

} // namespace Decoration
