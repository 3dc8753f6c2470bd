#pragma once

#include "spatialgeometry.h"

#include <QTransform>
#include <QVector>

#include <array>
#include <optional>

// Figures cut into pieces, built from a short description: an outline kind with its measures and cuts
// running between points of its edges or of earlier cuts. Changing one number of a description gives a
// figure cut differently, which is how the wrong answers are made.
namespace SpatialPuzzles {

using SpatialGeometry::Polygon;
using SpatialGeometry::Shape;

// A figure cut into pieces: its outline, the cut lines (open polylines from boundary to boundary, or
// closed ones around a figure cut out of the inside) and the pieces they make, in model coordinates.
struct Figure {
    Polygon outline;
    QVector<Polygon> cuts;
    QVector<Shape> pieces;
};

// ---- Outlines: each kind lists its corners clockwise on screen, the positive order in picture
// coordinates, centred on the origin. Edge k runs from corner k to corner k + 1.

enum class Kind {
    Rectangle,
    Triangle,
    Trapezium,
    Parallelogram,
    Regular,
    Circle,
    HalfDisc,
    House,
    LShape,
    Kite
};

struct OutlineSpec {
    Kind kind;
    std::array<double, 4> measures; // pixels, or fractions where said
};

// Corners: top left, top right, bottom right, bottom left.
OutlineSpec rectangle(double width, double height);
OutlineSpec square(double side);
// Corners: bottom left, apex, bottom right; `apex` places the apex above the base, 0 to 1 from the left.
OutlineSpec triangle(double base, double height, double apex);
// Corners: bottom left, top left, top right, bottom right; `offset`, 0 to 1, places the top edge.
OutlineSpec trapezium(double bottom, double height, double top, double offset);
// Corners: bottom left, top left, top right, bottom right.
OutlineSpec parallelogram(double width, double height, double slant);
// Corner k at `start` + k * 360 / corners degrees, clockwise from the right.
OutlineSpec regular(int corners, double radius, double start);
// CircleCorners corners, 5 degrees apart: corner 0 at the right, 18 at the bottom, 36 at the left, 54 at
// the top. Cuts end at corners only, so that equal arcs are equal polygons.
constexpr int CircleCorners = 72;
OutlineSpec circle(double radius);
// Corners 0 to 36 along the arc from the left end over the top (corner 18) to the right end; edge 36 is
// the diameter, its middle the centre.
OutlineSpec halfDisc(double radius);
// Corners: bottom left, left eave, ridge, right eave, bottom right.
OutlineSpec house(double width, double wall, double roof);
// The notch is at the top right. Corners: top left, top of the notch, inner corner, right of the notch,
// bottom right, bottom left.
OutlineSpec lShape(double width, double height, double notchWidth, double notchHeight);
// Corners: top, right, bottom, left; `cross` places the left and right corners, 0 to 1 from the top.
OutlineSpec kite(double width, double height, double cross);

Polygon regularPolygon(int corners, double radius, double startDegrees);
Polygon outlinePolygon(const OutlineSpec &outline);

// ---- Cuts

// Where a cut starts or ends: on edge `edge` of the outline when `cut` is -1, otherwise on the earlier
// cut `cut`; `t` is the fraction of the way along it (a cut's bends at equal steps of t).
struct Anchor {
    int cut = -1;
    int edge = 0;
    double t = 0;
};
Anchor onEdge(int edge, double t = 0);
Anchor onCut(int cut, double t);

// A cut from one anchor to another, straight or through bends given as fractions of the outline's
// bounding box. A cut may cross earlier ones.
struct CutSpec {
    Anchor from;
    Anchor to;
    QVector<QPointF> via;
};
CutSpec cut(Anchor from, Anchor to, QVector<QPointF> via = {});

struct Design {
    OutlineSpec outline;
    QVector<CutSpec> cuts;
};

// The figure a design describes; nothing when a cut leaves its piece or when a piece would be too small,
// too sharp or too thin to see.
std::optional<Figure> build(const Design &design);

Figure mirrored(const Figure &figure);
Figure mapped(const Figure &figure, const QTransform &transform);
// A figure cut out of the inside of the piece that holds it.
Figure withInnerFigure(Figure figure, const Polygon &loop);

// Whether the pieces of two figures would be taken for the same set of shapes, with differences up to
// `margin` times a visible one allowed.
constexpr double VisibleLength = 5; // pixels
constexpr double VisibleAngle = 8; // degrees
bool lookAlike(const Figure &a, const Figure &b, double margin = 1);

// ---- Wrong figures: the design with one thing changed.

struct Variation {
    QVector<double> shifts; // pixels a cut end moves along its edge or cut
    double bendShift; // fraction of the bounding box a bend moves
    double reshape; // relative change of the outline's proportions
    bool mirrors; // mirror images too
};

// How a wrong figure was made from the right one, so that the answer booklet can say it.
enum class Alteration {
    None, // the right figure
    CutEndMoved,
    CutSlid,
    BendMoved,
    Reshaped,
    Mirrored,
    MirroredAndRecut,
    InnerFigureAdded,
    CrossingCuts
};

struct Variant {
    int change; // what was changed: wrong figures of different changes make a better set
    Alteration alteration;
    Figure figure;
};

// Every sound figure one change away from `design`, whose figure is `right`.
QVector<Variant> variantsOf(const Design &design, const Figure &right, const Variation &variation);

} // namespace SpatialPuzzles
