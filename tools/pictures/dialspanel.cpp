#include "dialspanel.h"

#include "dials/dialsbank.h"
#include "seededrange.h"
#include "series.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <optional>
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
const std::array<double, DialsBank::LastPanel - DialsBank::FirstPanel + 1> FreeReadings
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

// The panels of a later series. Each question's dial keeps its right value, on a panel laid out and
// graduated afresh from the series' seed.

constexpr quint64 FreshPanelSeed = 0xd1a10000ULL;

// A reader places a needle between two marks to about a fifth of a graduation either way, so every
// other value offered lies at least two fifths of a graduation from the right one (6350 beside 6310
// at 100 tours/min a mark), and half a graduation wherever a scale that fits allows it.
constexpr double LeastSeparation = 0.4;
constexpr double PreferredSeparation = 0.5;
// Marks closer than this along the needle tips' circle run together (the rev counter's are 5.07 px apart).
constexpr double LeastMarkSpacing = 5;
// A numeral stands alone: nothing else inked within this much of it across, or up and down, and not
// on the rim. Between labels, and between a label and a face, less will do.
constexpr double NumeralRoomAcross = 6;
constexpr double NumeralRoomUpDown = 3;
constexpr double Clearance = 2;

QRectF roomAround(const QRectF &numeral)
{
    return numeral.adjusted(-NumeralRoomAcross, -NumeralRoomUpDown, NumeralRoomAcross, NumeralRoomUpDown);
}

struct Steps {
    double numeral;
    double graduation;
    double medium;
};

// The scales an instrument may carry: from one of the minima to one of the maxima (no maxima: from -m
// to m, the ammeter), with one of the steps.
struct ScaleChoices {
    char code;
    std::vector<double> minima;
    std::vector<double> maxima;
    std::vector<Steps> steps;
};

const std::array<ScaleChoices, 6> Choices = { {
    { 'C', { 0 }, { 6000, 7000, 8000, 9000, 10000 },
        { { 1000, 100, 500 }, { 1000, 200, 0 }, { 1000, 250, 500 }, { 2000, 200, 1000 },
            { 2000, 250, 1000 } } },
    { 'V', { 0, 20 }, { 160, 180, 200, 220, 240, 260 },
        { { 20, 5, 10 }, { 20, 2, 10 }, { 20, 10, 0 }, { 40, 5, 10 }, { 40, 5, 20 }, { 40, 10, 20 } } },
    { 'P', { 0 }, { 120, 140, 150, 160, 180, 200 },
        { { 20, 5, 10 }, { 20, 2, 10 }, { 25, 5, 0 }, { 50, 5, 25 }, { 50, 10, 0 } } },
    { 'T', { 0, 20, 25, 40, 50 }, { 100, 120, 125, 140, 150 },
        { { 25, 5, 0 }, { 20, 5, 10 }, { 20, 2, 10 }, { 50, 5, 25 }, { 50, 10, 0 } } },
    { 'E', { 0 }, { 1 },
        { { 0.25, 0.125, 0 }, { 0.25, 0.0625, 0.125 }, { 0.25, 0.05, 0 }, { 0.5, 0.125, 0.25 },
            { 0.5, 0.1, 0 } } },
    { 'A', { -20, -25, -30, -40, -50, -60 }, {},
        { { 10, 2, 0 }, { 10, 1, 5 }, { 10, 5, 0 }, { 20, 2, 10 }, { 20, 5, 10 }, { 25, 5, 0 } } },
} };

bool isWhole(double value)
{
    return std::abs(value - std::round(value)) < StepTolerance;
}

// Numerals on round values; the ammeter's zero always carries one.
bool sensible(char code, double minimum, double maximum, const Steps &steps)
{
    return maximum > minimum && isWhole((maximum - minimum) / steps.numeral)
        && isWhole(minimum / (code == 'A' ? steps.numeral : steps.numeral / 2));
}

// Sweeps in degrees; a scale rises clockwise, or upwards on a half dial standing on its side.
std::vector<double> sweepsOf(DialFace face)
{
    switch (face) {
    case DialFace::Round:
        return { 240, 260, 270, 280, 300 };
    case DialFace::UpperHalf:
        return { 160, 170, 180 };
    case DialFace::LeftHalf:
    case DialFace::RightHalf:
        break;
    }
    return { 140, 150, 160 };
}

std::pair<double, double> anglesOf(DialFace face, double sweep)
{
    switch (face) {
    case DialFace::LeftHalf:
        return { 180 + sweep / 2, 180 - sweep / 2 };
    case DialFace::RightHalf:
        return { -sweep / 2, sweep / 2 };
    case DialFace::Round:
    case DialFace::UpperHalf:
        break;
    }
    return { 90 + sweep / 2, 90 - sweep / 2 };
}

// The question of the panel that asks about the dial, or 0.
int questionOn(int panel, char code)
{
    for (int question = 1; question <= DialsBank::QuestionCount; ++question) {
        if (DialsBank::panelOf(question) == panel && DialsBank::InstrumentCodes[size_t(question - 1)] == code)
            return question;
    }
    return 0;
}

// How far the nearest other value offered lies from the right one, in graduations.
double separation(int question, double graduation)
{
    const double right = DialsBank::rightValue(question);
    double least = qInf();
    for (double offered : DialsBank::ChoiceValues[size_t(question - 1)]) {
        if (offered != right)
            least = std::min(least, std::abs(offered - right) / graduation);
    }
    return least;
}

// Read to the nearest half graduation, the needle is still nearest the right value.
bool roughlyRight(int question, const DialScale &scale)
{
    const double right = DialsBank::rightValue(question);
    const double half = scale.graduation / 2;
    const double rough = scale.minimum + std::round((right - scale.minimum) / half) * half;
    for (double offered : DialsBank::ChoiceValues[size_t(question - 1)]) {
        if (offered != right && std::abs(offered - rough) <= std::abs(right - rough))
            return false;
    }
    return true;
}

double markSpacing(const Dial &dial)
{
    return qDegreesToRadians(std::abs(dial.scale.endAngle - dial.scale.startAngle)) * dial.markRadius
        / (dial.scale.markCount() - 1);
}

// The numerals are measured here through a font engine of their own, the same glyphs with another style
// strategy. Glyph metrics the drawing's engine had already loaded would spare it the loads that, when a
// panel is drawn, reset the FreeType face that the labels share: the labels' first drawing leaves it
// shifted by a fraction of a pixel, and bold numerals' outlines would then come out a 64th of a pixel
// apart from one drawing of a panel to the next.
QFont measuringFont(const Dial &dial)
{
    QFont font = dial.numeralFont();
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferQuality));
    return font;
}

// Seen from the pivot, a numeral stands nearer its own mark than the next ones: within half the angle
// between two numbered marks, or further out past an end of the scale, a pixel's width to spare.
bool besideItsMark(const Dial &dial, const DialNumeral &numeral)
{
    const DialScale &scale = dial.scale;
    const double apart = std::abs(scale.angleOf(scale.minimum + scale.numeralStep) - scale.startAngle);
    const double direction = scale.endAngle > scale.startAngle ? 1 : -1;
    const double towardStart = std::abs(numeral.value - scale.minimum) < StepTolerance ? apart : apart / 2;
    const double towardEnd = std::abs(numeral.value - scale.maximum) < StepTolerance ? apart : apart / 2;
    const QRectF &box = numeral.box;
    for (const QPointF &corner : { box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight() }) {
        const QLineF ray(dial.centre, corner);
        const double along = std::remainder(ray.angle() - scale.angleOf(numeral.value), 360.0) * direction;
        const double spare = qRadiansToDegrees(1 / ray.length());
        if (along < spare - towardStart || along > towardEnd - spare)
            return false;
    }
    return true;
}

// Every numeral on the face beside its mark, clear of the others, of a label printed on the face, and
// of the numerals of the dial sharing its pivot.
bool numeralsFit(const Dial &dial, const std::vector<QRectF> &besides)
{
    const std::vector<DialNumeral> numerals = dial.numerals(measuringFont(dial));
    std::vector<QRectF> inked = besides;
    if (dial.labelOnFace())
        inked.push_back(dial.labelBox());
    for (const DialNumeral &numeral : numerals) {
        const QRectF room = roomAround(numeral.box);
        if (!dial.holds(numeral.box.adjusted(-Clearance, -Clearance, Clearance, Clearance))
            || !besideItsMark(dial, numeral)
            || std::any_of(
                inked.begin(), inked.end(), [&room](const QRectF &other) { return room.intersects(other); }))
            return false;
        inked.push_back(numeral.box);
    }
    return true;
}

// Whether the box comes onto the dial's face (or near its corners, for a half dial).
bool meetsFace(const Dial &dial, const QRectF &box)
{
    const QPointF nearest(std::clamp(dial.centre.x(), box.left(), box.right()),
        std::clamp(dial.centre.y(), box.top(), box.bottom()));
    return box.intersects(dial.bounds()) && QLineF(dial.centre, nearest).length() < dial.radius;
}

// Labels printed on the panel stay on it, off every face and apart.
bool labelsClear(const DialPanel &panel)
{
    const QRectF whole(0, 0, DialPanels::Width, DialPanels::Height);
    for (const Dial &dial : panel.dials) {
        if (dial.labelOnFace())
            continue;
        const QRectF label = dial.labelBox();
        if (!whole.contains(label))
            return false;
        for (const Dial &other : panel.dials) {
            if (meetsFace(other, label)
                || (&other != &dial && !other.labelOnFace()
                    && label.adjusted(-Clearance, -Clearance, Clearance, Clearance)
                           .intersects(other.labelBox())))
                return false;
        }
    }
    return true;
}

// A value the instrument shows in use, inside its usual range and a graduation from the ends.
double plausibleReading(const Dial &dial, std::mt19937 &random)
{
    const DialScale usual = DialPanels::standardDial(dial.code).scale;
    const double step = dial.scale.graduation / 2;
    const double lowest = std::max(dial.scale.minimum, usual.minimum) + dial.scale.graduation;
    const double highest = std::min(dial.scale.maximum, usual.maximum) - dial.scale.graduation;
    return lowest + seededInt(random, 0, std::max(0, int(std::floor((highest - lowest) / step)))) * step;
}

// The dial on its new face, with a scale drawn from those that show its question's right value readably
// (or, unasked, with a plausible reading) and whose marks and numerals fit the face.
std::optional<Dial> freshDial(Dial dial, int panel, const std::vector<QRectF> &besides, std::mt19937 &random)
{
    const ScaleChoices &choices = *std::find_if(
        Choices.begin(), Choices.end(), [&dial](const ScaleChoices &c) { return c.code == dial.code; });
    const int question = questionOn(panel, dial.code);
    std::vector<DialScale> preferred;
    std::vector<DialScale> acceptable;
    for (double sweep : sweepsOf(dial.face)) {
        const auto [start, end] = anglesOf(dial.face, sweep);
        for (double minimum : choices.minima) {
            const std::vector<double> maxima
                = choices.maxima.empty() ? std::vector<double> { -minimum } : choices.maxima;
            for (double maximum : maxima) {
                for (const Steps &steps : choices.steps) {
                    if (!sensible(dial.code, minimum, maximum, steps))
                        continue;
                    dial.scale
                        = { minimum, maximum, start, end, steps.graduation, steps.medium, steps.numeral };
                    if (question != 0)
                        dial.scale = dial.scale.widenedTo(DialsBank::rightValue(question));
                    // Only the ammeter reads below zero.
                    if (dial.code != 'A' && dial.scale.minimum < 0)
                        continue;
                    if (markSpacing(dial) < LeastMarkSpacing)
                        continue;
                    const double apart = question != 0 ? separation(question, steps.graduation) : qInf();
                    if (apart < LeastSeparation - StepTolerance
                        || (question != 0 && !roughlyRight(question, dial.scale)))
                        continue;
                    (apart >= PreferredSeparation ? preferred : acceptable).push_back(dial.scale);
                }
            }
        }
    }
    seededShuffle(random, preferred);
    seededShuffle(random, acceptable);
    preferred.insert(preferred.end(), acceptable.begin(), acceptable.end());
    for (const DialScale &scale : preferred) {
        dial.scale = scale;
        dial.needleAngle
            = scale.angleOf(question != 0 ? DialsBank::rightValue(question) : plausibleReading(dial, random));
        if (numeralsFit(dial, besides))
            return dial;
    }
    return std::nullopt;
}

struct Slot {
    DialFace face = DialFace::Round;
    QPointF centre;
    double radius = 0;
    double markRadius = 0;
    QPointF labelOffset;
};

// In the order of Layouts.
enum SlotIndex { RevCounter, Speed, OilPressure, Temperature, Fuel, Ammeter };
using Slots = std::array<Slot, 6>;

// Three groups side by side, in any order and each turned either way: the rev counter and the speed
// dial, staggered; two upper half dials, one above the other; the fuel gauge back to back with the
// ammeter or the temperature, around one pivot, their labels on the panel below. When the temperature
// shares the fuel gauge's pivot, the ammeter takes its upper half dial and reads from the middle.
std::optional<Slots> freshSlots(std::mt19937 &random)
{
    using DialPanels::Height;
    using DialPanels::Width;
    constexpr int Margin = 2;
    constexpr int Gap = 8;
    const int big = seededInt(random, 80, 88);
    const int small = seededInt(random, 50, 56);
    const int upper = seededInt(random, 72, 78);
    const int pair = seededInt(random, 62, 68);

    const int bigY = seededInt(random, big + Margin, Height - Margin - big);
    const int smallY = seededInt(random, small + Margin, Height - Margin - small);
    const int apart = big + small + 6;
    const int across = int(std::ceil(std::sqrt(double(apart * apart - (bigY - smallY) * (bigY - smallY)))));
    const std::array<int, 3> widths = { big + across + small, 2 * upper, 2 * pair };
    const int spare = Width - (widths[0] + widths[1] + widths[2]) - 2 * Margin - 2 * Gap;
    if (spare < 0)
        return std::nullopt;
    std::vector<int> cuts
        = { seededInt(random, 0, spare), seededInt(random, 0, spare), seededInt(random, 0, spare) };
    std::sort(cuts.begin(), cuts.end());
    const std::array<int, 3> gaps = { Margin + cuts[0], Gap + cuts[1] - cuts[0], Gap + cuts[2] - cuts[1] };
    std::vector<int> order = { 0, 1, 2 };
    seededShuffle(random, order);
    std::array<int, 3> left {};
    int x = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        x += gaps[i];
        left[size_t(order[i])] = x;
        x += widths[size_t(order[i])];
    }

    Slots places;
    const bool bigFirst = seededInt(random, 0, 1) == 0;
    places[RevCounter] = { DialFace::Round, QPointF(left[0] + (bigFirst ? big : small + across), bigY),
        double(big), big - 5.0, QPointF(0, std::round(30.0 * big / 82)) };
    places[Speed] = { DialFace::Round, QPointF(left[0] + (bigFirst ? big + across : small), smallY),
        double(small), small - 4.0, QPointF(0, std::round(38.0 * small / 54)) };

    const bool ammeterBesideFuel = seededInt(random, 0, 2) != 0;
    const int depth = int(UpperHalfDepth);
    const int lowestPivot = Height - Margin - depth;
    const int spareHeight = lowestPivot - (upper + Margin) - (depth + 4 + upper);
    const int fromTop = seededInt(random, 0, spareHeight);
    const int fromBottom = seededInt(random, 0, spareHeight - fromTop);
    std::array<SlotIndex, 2> stacked = { OilPressure, ammeterBesideFuel ? Temperature : Ammeter };
    if (seededInt(random, 0, 1) == 1)
        std::swap(stacked[0], stacked[1]);
    places[stacked[0]] = { DialFace::UpperHalf, QPointF(left[1] + upper, upper + Margin + fromTop),
        double(upper), upper - 5.0, QPointF(0, 11) };
    places[stacked[1]] = { DialFace::UpperHalf, QPointF(left[1] + upper, lowestPivot - fromBottom),
        double(upper), upper - 5.0, QPointF(0, 11) };

    // The labels stand below the pair's pivot by its radius and 14 pixels. Every label is centred on a whole
    // pixel, as the program's own: one drawn at another fraction of a pixel would render its glyphs afresh
    // (see measuringFont).
    const QPointF pivot(left[2] + pair, seededInt(random, pair + Margin, Height - 22 - pair));
    const bool fuelLeft = seededInt(random, 0, 1) == 0;
    const double side = fuelLeft ? -1 : 1;
    places[Fuel] = { fuelLeft ? DialFace::LeftHalf : DialFace::RightHalf, pivot, double(pair), pair - 5.0,
        QPointF(side * (pair / 2), pair + 14) };
    places[ammeterBesideFuel ? Ammeter : Temperature] = { fuelLeft ? DialFace::RightHalf : DialFace::LeftHalf,
        pivot, double(pair), pair - 5.0, QPointF(-side * (pair / 2), pair + 14) };
    return places;
}

DialPanel freshPanel(int panel, int series)
{
    std::mt19937 random(static_cast<std::uint32_t>(Series::seed(FreshPanelSeed + quint64(panel), series)));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::optional<Slots> places = freshSlots(random);
        if (!places)
            continue;
        DialPanel drawn;
        bool fits = true;
        for (size_t i = 0; i < Layouts.size() && fits; ++i) {
            Dial dial = DialPanels::standardDial(Layouts[i].code);
            dial.numeralsOnWholePixels = true;
            const Slot &slot = (*places)[i];
            dial.face = slot.face;
            dial.centre = slot.centre;
            dial.radius = slot.radius;
            dial.markRadius = slot.markRadius;
            dial.labelOffset = slot.labelOffset;
            std::vector<QRectF> besides;
            for (size_t other = 0; other < i; ++other) {
                if (drawn.dials[other].centre == dial.centre) {
                    for (const DialNumeral &numeral :
                        drawn.dials[other].numerals(measuringFont(drawn.dials[other])))
                        besides.push_back(numeral.box);
                }
            }
            const std::optional<Dial> scaled = freshDial(dial, panel, besides, random);
            fits = scaled.has_value();
            if (fits)
                drawn.dials[i] = *scaled;
        }
        if (fits && labelsClear(drawn))
            return drawn;
    }
    throw std::runtime_error(
        "no layout fits dial panel " + std::to_string(panel) + " of series " + std::to_string(series));
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

bool Dial::holds(const QRectF &box) const
{
    // The rim runs inside the outer edge, and along a half dial's flat side, half of it either side.
    QRectF inside = bounds();
    switch (face) {
    case DialFace::UpperHalf:
        inside.setBottom(inside.bottom() - RimWidth);
        break;
    case DialFace::LeftHalf:
        inside.setRight(inside.right() - RimWidth / 2);
        break;
    case DialFace::RightHalf:
        inside.setLeft(inside.left() + RimWidth / 2);
        break;
    case DialFace::Round:
        break;
    }
    for (const QPointF &corner : { box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight() }) {
        if (!inside.contains(corner) || QLineF(centre, corner).length() > radius - RimWidth)
            return false;
    }
    return true;
}

// Bold for the big rev counter figures and for the fuel fractions, whose glyphs are small.
QFont Dial::numeralFont() const
{
    return DialPanels::font(numeralPixelSize, code == 'C' || code == 'E');
}

std::vector<DialNumeral> Dial::numerals(const QFont &font) const
{
    const QFontMetricsF metrics(font);
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
        QPointF origin = polar(centre, clearRadius - reach, angle) - box.center();
        if (numeralsOnWholePixels)
            origin = QPointF(std::round(origin.x()), std::round(origin.y()));
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

QRectF Dial::labelBox() const
{
    return QFontMetricsF(labelFont()).boundingRect(labelRect(), Qt::AlignCenter, label);
}

bool Dial::labelOnFace() const
{
    const QPointF at = centre + labelOffset;
    return bounds().contains(at) && QLineF(centre, at).length() < radius;
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
    if (panel < DialsBank::FirstPanel || panel > DialsBank::LastPanel)
        throw std::out_of_range("no dial panel " + std::to_string(panel));
    if (series != Series::Own)
        return freshPanel(panel, series);
    std::array<Reading, 6> readings;
    for (size_t i = 0; i < Layouts.size(); ++i)
        readings[i] = { Layouts[i].code, FreeReadings[size_t(panel - DialsBank::FirstPanel)] };
    for (int question = 1; question <= DialsBank::QuestionCount; ++question) {
        if (DialsBank::panelOf(question) != panel)
            continue;
        for (Reading &reading : readings) {
            if (reading.code == DialsBank::InstrumentCodes[size_t(question - 1)])
                reading.value = DialsBank::rightValue(question);
        }
    }
    return panelReading(readings);
}

DialPanel examplePanel()
{
    return panelReading(ExampleReadings);
}

} // namespace DialPanels
