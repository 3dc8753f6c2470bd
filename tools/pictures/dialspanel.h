#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <array>
#include <vector>

// The instrument panels of the dial-reading test as geometry: where each dial sits, its scale, and
// the angle of its needle. The drawing is made from it, and the tests read the answers back from it.

// Angles are in degrees, counter-clockwise from three o'clock (QLineF's convention), so a dial
// that turns clockwise has an end angle below its start angle.
struct DialScale {
    double minimum = 0;
    double maximum = 1;
    double startAngle = 0; // where the needle points at the minimum
    double endAngle = 0; // and at the maximum
    double graduation = 1; // value between two neighbouring marks
    // Marks drawn longer, and marks carrying a numeral, every so many from the minimum (0: none).
    double mediumStep = 0;
    double numeralStep = 1;

    double angleOf(double value) const;
    double valueAt(double angle) const;
    bool contains(double value) const;
    int markCount() const;
    double markValue(int index) const;
    // Whether the value lies a whole number of steps from the minimum.
    bool isMultiple(double value, double step) const;
    // The scale stretched by whole numeral steps until it holds the value.
    DialScale widenedTo(double value) const;
};

// A half dial's flat side runs through the pivot; the upper half dials reach a little below it,
// to hold their end numerals, the hub and the label.
enum class DialFace { Round, UpperHalf, LeftHalf, RightHalf };
constexpr double UpperHalfDepth = 18;
// The rim is drawn inside the face's outer edge.
constexpr double RimWidth = 3;
// A mark that carries a numeral is the longest; the numeral stands just inside it.
constexpr double NumeralMarkLength = 9;

// A numeral as printed on a dial.
struct DialNumeral {
    double value = 0;
    QString text;
    QPointF origin; // where its glyphs start (QPainterPath::addText)
    QRectF box; // its inked box
};

struct Dial {
    char code = ' '; // the question bank's instrument code
    DialFace face = DialFace::Round;
    QPointF centre; // the needle's pivot
    double radius = 0; // outer edge of the face, rim included
    double markRadius = 0; // outer end of the marks, where the needle tip lies
    DialScale scale;
    int numeralPixelSize = 10;
    QString label;
    QPointF labelOffset; // centre of the label, from the pivot; outside the face, it is printed on the panel
    double needleAngle = 0;
    // Numerals drawn from whole pixels are crisper: a thin stroke (the arms of "+") falls on one row of
    // pixels rather than greying two. The program's own panels keep the places they have always had.
    bool numeralsOnWholePixels = false;

    double reading() const { return scale.valueAt(needleAngle); }
    // The face with its rim.
    QRectF bounds() const;
    // Whether the box lies on the face, inside its rim.
    bool holds(const QRectF &box) const;

    QFont numeralFont() const;
    std::vector<DialNumeral> numerals() const { return numerals(numeralFont()); }
    // As measured with the font, the same glyphs as numeralFont() or another engine of them.
    std::vector<DialNumeral> numerals(const QFont &font) const;
    static QFont labelFont();
    // The label's lines are centred in this box; labelBox() is their inked part.
    QRectF labelRect() const;
    QRectF labelBox() const;
    // Whether the label is printed on the face rather than on the panel.
    bool labelOnFace() const;
};

struct DialPanel {
    std::array<Dial, 6> dials;

    Dial dial(char code) const;
};

namespace DialPanels {

constexpr int Width = 600;
constexpr int Height = 200;
// The part of the panel that the instruction screen's example box shows: 273 x 193 pixels less
// its 2-pixel border.
constexpr int ExampleWidth = 269;
constexpr int ExampleHeight = 189;

// The type of the dials' numerals and labels.
QFont font(int pixelSize, bool bold);

// The dial as laid out on the program's own panels, with its usual scale and its needle at the minimum.
Dial standardDial(char code);
// Panel p of the test (2 to 9) in a series (series.h): its five questions' right values, and a
// plausible reading on the dial that none of them asks about. Series 1 keeps the standard dials;
// a later series lays each panel out afresh, with other places, faces and scales, every scale
// graduated finely enough to tell each question's right value from the others offered.
DialPanel questionPanel(int panel, int series);
// The worked example of the instruction screen: the rev counter near 6200 tours/min.
DialPanel examplePanel();

} // namespace DialPanels
