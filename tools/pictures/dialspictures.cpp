#include "dialspictures.h"

#include "dials/dialsbank.h"
#include "gifwriter.h"
#include "pictureoutput.h"
#include "series.h"

#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

const QRgb PanelColour = qRgb(38, 42, 48);
const QRgb RimColour = qRgb(150, 156, 164);
const QRgb FaceColour = qRgb(248, 246, 238);
const QRgb InkColour = qRgb(20, 20, 24);
const QRgb NeedleColour = qRgb(214, 30, 24);
// The fuel gauge shares its pivot with the ammeter: its needle is blue and blunt, so the two are
// never taken for one bent needle.
const QRgb FuelNeedleColour = qRgb(24, 84, 200);

constexpr double HubRadius = 4.5;

QPointF polar(const QPointF &centre, double radius, double angle)
{
    return QLineF::fromPolar(radius, angle).translated(centre).p2();
}

QPainterPath facePath(const Dial &dial)
{
    const double r = dial.radius - RimWidth / 2;
    const QPointF c = dial.centre;
    const QRectF circle(c.x() - r, c.y() - r, 2 * r, 2 * r);
    QPainterPath path;
    switch (dial.face) {
    case DialFace::Round:
        path.addEllipse(circle);
        break;
    case DialFace::UpperHalf:
        path.moveTo(c.x() + r, c.y() + UpperHalfDepth - RimWidth / 2);
        path.lineTo(c.x() + r, c.y());
        path.arcTo(circle, 0, 180);
        path.lineTo(c.x() - r, c.y() + UpperHalfDepth - RimWidth / 2);
        path.closeSubpath();
        break;
    case DialFace::LeftHalf:
        path.moveTo(c.x(), c.y() - r);
        path.arcTo(circle, 90, 180);
        path.closeSubpath();
        break;
    case DialFace::RightHalf:
        path.moveTo(c.x(), c.y() + r);
        path.arcTo(circle, -90, 180);
        path.closeSubpath();
        break;
    }
    return path;
}

void drawLabel(QPainter &painter, const Dial &dial)
{
    painter.setPen(QColor(facePath(dial).contains(dial.centre + dial.labelOffset) ? InkColour : FaceColour));
    painter.setFont(Dial::labelFont());
    painter.drawText(dial.labelRect(), Qt::AlignCenter, dial.label);
}

bool carriesNumeral(const Dial &dial, double value)
{
    return dial.scale.isMultiple(value, dial.scale.numeralStep);
}

void drawMarks(QPainter &painter, const Dial &dial)
{
    const DialScale &scale = dial.scale;
    for (int i = 0; i < scale.markCount(); ++i) {
        const double value = scale.markValue(i);
        const double angle = scale.angleOf(value);
        const bool numeral = carriesNumeral(dial, value);
        const bool medium = scale.isMultiple(value, scale.mediumStep);
        const double length = numeral ? NumeralMarkLength : medium ? 6.5 : 4.5;
        painter.setPen(QPen(QColor(InkColour), numeral ? 1.6 : 1.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(
            polar(dial.centre, dial.markRadius - length, angle), polar(dial.centre, dial.markRadius, angle));
    }
}

// Drawn over the needles with a rim of face colour, so a needle standing on a numeral passes
// behind it: the figure stays whole, and the needle's tip still lies on the marks beyond.
void drawNumerals(QPainter &painter, const Dial &dial)
{
    const QFont font = dial.numeralFont();
    for (const DialNumeral &numeral : dial.numerals()) {
        QPainterPath glyphs;
        glyphs.addText(numeral.origin, font, numeral.text);
        painter.strokePath(glyphs, QPen(QColor(FaceColour), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.fillPath(glyphs, QColor(InkColour));
    }
}

// A thin tapering needle whose tip lies on the marks, so it can be seen to cover one or fall between two.
void drawNeedle(QPainter &painter, const Dial &dial)
{
    const bool fuel = dial.code == 'E';
    const double angle = dial.needleAngle;
    const double tip = dial.markRadius - 0.5;
    const double tail = HubRadius + 0.5;
    const double baseHalfWidth = 2.0;
    const double tipHalfWidth = fuel ? 1.5 : 0.6;
    const QPolygonF needle { polar(dial.centre, -tail, angle)
            + QLineF::fromPolar(baseHalfWidth, angle + 90).p2(),
        polar(dial.centre, tip, angle) + QLineF::fromPolar(tipHalfWidth, angle + 90).p2(),
        polar(dial.centre, tip, angle) + QLineF::fromPolar(tipHalfWidth, angle - 90).p2(),
        polar(dial.centre, -tail, angle) + QLineF::fromPolar(baseHalfWidth, angle - 90).p2() };
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(fuel ? FuelNeedleColour : NeedleColour));
    painter.drawPolygon(needle);
}

void drawHub(QPainter &painter, const Dial &dial)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(InkColour));
    painter.drawEllipse(dial.centre, HubRadius, HubRadius);
    painter.setBrush(QColor(RimColour));
    painter.drawEllipse(dial.centre, 1.5, 1.5);
}

QImage quantised(const QImage &picture)
{
    return picture
        .convertToFormat(QImage::Format_Indexed8, dialPalette(), Qt::ThresholdDither | Qt::AvoidDither)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

QVector<QRgb> dialPalette()
{
    return shadedPalette(
        { PanelColour, RimColour, FaceColour, InkColour, NeedleColour, FuelNeedleColour }, 14);
}

QImage drawDialPanel(const DialPanel &panel, int scale)
{
    QImage picture(DialPanels::Width * scale, DialPanels::Height * scale, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.scale(scale, scale);
    paintDialPanel(painter, panel);
    painter.end();
    return quantised(picture);
}

void paintDialPanel(QPainter &painter, const DialPanel &panel)
{
    painter.save();
    painter.fillRect(QRect(0, 0, DialPanels::Width, DialPanels::Height), QColor(PanelColour));
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    for (const Dial &dial : panel.dials) {
        painter.setPen(QPen(QColor(RimColour), RimWidth));
        painter.setBrush(QColor(FaceColour));
        painter.drawPath(facePath(dial));
    }
    for (const Dial &dial : panel.dials) {
        drawMarks(painter, dial);
        drawLabel(painter, dial);
    }
    for (const Dial &dial : panel.dials)
        drawNeedle(painter, dial);
    for (const Dial &dial : panel.dials)
        drawNumerals(painter, dial);
    for (const Dial &dial : panel.dials)
        drawHub(painter, dial);
    painter.restore();
}

void writeDialPictures(PictureOutput &output)
{
    const auto drawingOf = [series = output.series()](int question) -> PictureOutput::Drawing {
        return [dials = DialPanels::questionPanel(DialsBank::panelOf(question), series)](
                   int scale) { return drawDialPanel(dials, scale); };
    };
    output.questions(DialsBank::Bank, drawingOf, dialPalette());
    if (output.series() != Series::Own)
        return;
    const DialPanel example = DialPanels::examplePanel();
    output.assetJpeg(QString::fromLatin1(DialsBank::Bank.exampleFile),
        [&example](int scale) { return drawDialPanel(example, scale); });
}

namespace {

[[maybe_unused]] const bool Registered
    = TestRegistry<TestPictures>::add({ .test = DialsBank::Test, .write = writeDialPictures });

} // namespace
