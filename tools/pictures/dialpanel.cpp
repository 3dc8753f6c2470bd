#include "dialpanel.h"

#include "dials/dialbank.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QtMath>

#include <cmath>
#include <stdexcept>

namespace {

// Marks and numerals sit on whole multiples of their steps; this absorbs the rounding of
// fractional steps such as an eighth of a tank.
constexpr double StepTolerance = 1e-9;

struct DialLayout {
    char code;
    DialFace face;
    QPointF centre;
    double radius;
    double markRadius;
    DialScale scale;
    int numeralPixelSize;
    const char *label;
    QPointF labelOffset;
};

// Rev counter and speed dial on the left, oil pressure above temperature in the middle, fuel and
// ammeter back to back on the right around one pivot. The instruction screen shows only the
// left of the panel, which must hold the rev counter and the speed dial whole: staggered,
// the rev counter low and the speed dial high, both are as large as that box allows. The rev
// counter is the largest: it must tell 6310 from 6350 tours/min.
const std::array<DialLayout, 6> Layouts = { {
    { 'C', DialFace::Round, { 83, 106 }, 82, 77, { 0, 8000, 240, -60, 100, 500, 1000 }, 14,
        "tours/min\n× 1000", { 0, 30 } },
    { 'V', DialFace::Round, { 214, 55 }, 54, 50, { 20, 220, 240, -60, 5, 10, 40 }, 10, "km/h", { 0, 38 } },
    { 'P', DialFace::UpperHalf, { 364, 82 }, 78, 73, { 0, 160, 180, 0, 5, 10, 20 }, 11, "pression d'huile",
        { 0, 11 } },
    { 'T', DialFace::UpperHalf, { 364, 180 }, 78, 73, { 25, 125, 180, 0, 5, 0, 25 }, 11, "température",
        { 0, 11 } },
    { 'E', DialFace::LeftHalf, { 529, 100 }, 68, 63, { 0, 1, 255, 105, 0.125, 0, 0.25 }, 14, "essence",
        { -34, 82 } },
    { 'A', DialFace::RightHalf, { 529, 100 }, 68, 63, { -20, 20, -75, 75, 2, 0, 10 }, 10, "ampères",
        { 34, 82 } },
} };

// What the dial that no question of a panel asks about shows, panels 2 to 9: the ammeter, fuel,
// rev counter, ammeter, temperature, fuel, rev counter and speed.
const std::array<double, DialBank::LastPanel - DialBank::FirstPanel + 1> FreeReadings
    = { 6, 0.35, 3400, -4, 85, 0.8, 4600, 120 };

struct Reading {
    char code;
    double value;
};
const std::array<Reading, 6> ExampleReadings = { {
    { 'C', 6200 },
    { 'V', 160 },
    { 'P', 110 },
    { 'T', 90 },
    { 'E', 0.5 },
    { 'A', 8 },
} };

Dial withNeedleAt(Dial dial, double value)
{
    dial.scale = dial.scale.widenedTo(value);
    dial.needleAngle = dial.scale.angleOf(value);
    return dial;
}

DialPanel panelReading(const std::array<Reading, 6> &readings)
{
    DialPanel panel;
    for (size_t i = 0; i < readings.size(); ++i)
        panel.dials[i] = withNeedleAt(DialPanels::standardDial(readings[i].code), readings[i].value);
    return panel;
}

QPointF polar(const QPointF &centre, double radius, double angle)
{
    return QLineF::fromPolar(radius, angle).translated(centre).p2();
}

// Thousands of tours/min, quarters of a tank, signed amperes.
QString numeralText(char code, double value)
{
    switch (code) {
    case 'C':
        return QString::number(std::lround(value / 1000));
    case 'E': {
        static const QString quarters[] = { QStringLiteral("0"), QStringLiteral("¼"), QStringLiteral("½"),
            QStringLiteral("¾"), QStringLiteral("1") };
        return quarters[std::lround(value * 4)];
    }
    case 'A':
        if (value > 0)
            return QLatin1Char('+') + QString::number(std::lround(value));
        if (value < 0)
            return QChar(0x2212) + QString::number(std::lround(-value));
        return QStringLiteral("0");
    default:
        return QString::number(std::lround(value));
    }
}

} // namespace

double DialScale::angleOf(double value) const
{
    return startAngle + (value - minimum) / (maximum - minimum) * (endAngle - startAngle);
}

double DialScale::valueAt(double angle) const
{
    return minimum + (angle - startAngle) / (endAngle - startAngle) * (maximum - minimum);
}

bool DialScale::contains(double value) const
{
    return value >= minimum - StepTolerance && value <= maximum + StepTolerance;
}

int DialScale::markCount() const
{
    return int(std::lround((maximum - minimum) / graduation)) + 1;
}

double DialScale::markValue(int index) const
{
    return minimum + index * graduation;
}

bool DialScale::isMultiple(double value, double step) const
{
    if (step <= 0)
        return false;
    const double steps = (value - minimum) / step;
    return std::abs(steps - std::round(steps)) < StepTolerance * std::max(1.0, std::abs(steps));
}

DialScale DialScale::widenedTo(double value) const
{
    DialScale widened = *this;
    while (value < widened.minimum - StepTolerance)
        widened.minimum -= numeralStep;
    while (value > widened.maximum + StepTolerance)
        widened.maximum += numeralStep;
    return widened;
}

QRectF Dial::bounds() const
{
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    switch (face) {
    case DialFace::UpperHalf:
        return circle.adjusted(0, 0, 0, UpperHalfDepth - radius);
    case DialFace::LeftHalf:
        return circle.adjusted(0, 0, -radius, 0);
    case DialFace::RightHalf:
        return circle.adjusted(radius, 0, 0, 0);
    case DialFace::Round:
        break;
    }
    return circle;
}

// Bold for the big rev counter figures and for the fuel fractions, whose glyphs are small.
QFont Dial::numeralFont() const
{
    return DialPanels::font(numeralPixelSize, code == 'C' || code == 'E');
}

std::vector<DialNumeral> Dial::numerals() const
{
    const QFontMetricsF metrics(numeralFont());
    const double clearRadius = markRadius - NumeralMarkLength - 2.5;
    std::vector<DialNumeral> numerals;
    for (int i = 0; i < scale.markCount(); ++i) {
        const double value = scale.markValue(i);
        if (!scale.isMultiple(value, scale.numeralStep))
            continue;
        const double angle = scale.angleOf(value);
        const QString text = numeralText(code, value);
        const QRectF box = metrics.tightBoundingRect(text);
        const double radians = qDegreesToRadians(angle);
        // Whatever its width and angle, the numeral's inked box stands just inside the marks, so
        // wide numerals such as "125" stand as clear of their mark as narrow ones.
        const double reach
            = box.width() / 2 * std::abs(std::cos(radians)) + box.height() / 2 * std::abs(std::sin(radians));
        const QPointF origin = polar(centre, clearRadius - reach, angle) - box.center();
        numerals.push_back({ value, text, origin, box.translated(origin) });
    }
    return numerals;
}

QFont Dial::labelFont()
{
    return DialPanels::font(9, true);
}

QRectF Dial::labelRect() const
{
    const QPointF at = centre + labelOffset;
    return QRectF(at.x() - 60, at.y() - 15, 120, 30);
}

Dial DialPanel::dial(char code) const
{
    for (const Dial &candidate : dials) {
        if (candidate.code == code)
            return candidate;
    }
    throw std::invalid_argument(std::string("no dial of code ") + code);
}

namespace DialPanels {

QFont font(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

Dial standardDial(char code)
{
    for (const DialLayout &layout : Layouts) {
        if (layout.code != code)
            continue;
        Dial dial;
        dial.code = layout.code;
        dial.face = layout.face;
        dial.centre = layout.centre;
        dial.radius = layout.radius;
        dial.markRadius = layout.markRadius;
        dial.scale = layout.scale;
        dial.numeralPixelSize = layout.numeralPixelSize;
        dial.label = QString::fromUtf8(layout.label);
        dial.labelOffset = layout.labelOffset;
        dial.needleAngle = layout.scale.startAngle;
        return dial;
    }
    throw std::invalid_argument(std::string("no dial of code ") + code);
}

DialPanel questionPanel(int panel, int series)
{
    Q_UNUSED(series)
    if (panel < DialBank::FirstPanel || panel > DialBank::LastPanel)
        throw std::out_of_range("no dial panel " + std::to_string(panel));
    std::array<Reading, 6> readings;
    for (size_t i = 0; i < Layouts.size(); ++i)
        readings[i] = { Layouts[i].code, FreeReadings[size_t(panel - DialBank::FirstPanel)] };
    for (int question = 1; question <= DialBank::QuestionCount; ++question) {
        if (DialBank::panelOf(question) != panel)
            continue;
        for (Reading &reading : readings) {
            if (reading.code == DialBank::InstrumentCodes[size_t(question - 1)])
                reading.value = DialBank::rightValue(question);
        }
    }
    return panelReading(readings);
}

DialPanel examplePanel()
{
    return panelReading(ExampleReadings);
}

} // namespace DialPanels
