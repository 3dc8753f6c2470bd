#include "dials/dialsbank.h"
#include "dialspanel.h"
#include "dialspictures.h"
#include "doublesize.h"
#include "pictureoutput.h"
#include "series.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <QTemporaryDir>
#include <QtMath>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <vector>

namespace {

// A needle moved by less than this, measured along the marks, looks the same to the eye.
constexpr double SmallestVisibleShift = 1.75;
constexpr double Tolerance = 1e-9;
// Pixels as inked as this belong to a numeral's body; the rims' grey is lighter.
constexpr double NumeralInk = 0.45;

// A reader places a needle between two marks to about a fifth of a graduation either way: any other
// value offered must lie twice that from the right one.
constexpr double LeastSeparation = 0.4;

// Thousands of tours/min, quarters of a tank, signed amperes.
QString expectedNumeral(char code, double value)
{
    if (code == 'E')
        return QStringList { "0", "¼", "½", "¾", "1" }.at(int(value * 4));
    const QString digits = QString::number(std::abs(std::lround(code == 'C' ? value / 1000 : value)));
    if (code != 'A' || value == 0)
        return digits;
    return (value > 0 ? QStringLiteral("+") : QString(QChar(0x2212))) + digits;
}

struct DialOnPanel {
    QString name;
    Dial dial;
};

// Laid out once: a later series draws its panels afresh, which takes a moment.
const DialPanel &panelOf(int panel, int series)
{
    static std::map<std::pair<int, int>, DialPanel> drawn;
    const auto key = std::make_pair(panel, series);
    auto found = drawn.find(key);
    if (found == drawn.end())
        found = drawn.emplace(key, DialPanels::questionPanel(panel, series)).first;
    return found->second;
}

// The dials of a series' panels; series 1's with the example's, laid out alike.
std::vector<DialOnPanel> everyDial(int series)
{
    std::vector<DialOnPanel> dials;
    for (int panel = DialsBank::FirstPanel; panel <= DialsBank::LastPanel; ++panel) {
        for (const Dial &dial : panelOf(panel, series).dials)
            dials.push_back({ QStringLiteral("panel %1 %2").arg(panel).arg(dial.code), dial });
    }
    if (series == Series::Own) {
        for (const Dial &dial : DialPanels::examplePanel().dials)
            dials.push_back({ QStringLiteral("example %1").arg(dial.code), dial });
    }
    return dials;
}

void addSeriesColumn()
{
    QTest::addColumn<int>("series");
    for (int series = Series::Own; series <= Series::Count; ++series)
        QTest::addRow("series %d", series) << series;
}

// The face, or what lies inside its rim: the rim runs inside the outer edge, and along the flat side of a
// half dial, half of it on either side of the line.
QPainterPath faceOf(const Dial &dial, bool insideRim = false)
{
    const double rim = insideRim ? RimWidth : 0;
    QRectF bounds = dial.bounds();
    switch (dial.face) {
    case DialFace::UpperHalf:
        bounds.setBottom(bounds.bottom() - rim);
        break;
    case DialFace::LeftHalf:
        bounds.setRight(bounds.right() - rim / 2);
        break;
    case DialFace::RightHalf:
        bounds.setLeft(bounds.left() + rim / 2);
        break;
    case DialFace::Round:
        break;
    }
    QPainterPath circle;
    circle.addEllipse(dial.centre, dial.radius - rim, dial.radius - rim);
    QPainterPath flat;
    flat.addRect(bounds);
    return circle.intersected(flat);
}

double arcShift(const Dial &dial, double value)
{
    return qDegreesToRadians(std::abs(dial.scale.angleOf(value) - dial.needleAngle)) * dial.markRadius;
}

// Only the needles are red, or blue for the fuel gauge: how much of the pixel one covers, 0 to 1.
double needleCover(const Dial &dial, QRgb pixel)
{
    const int excess = dial.code == 'E' ? qBlue(pixel) - qRed(pixel) : qRed(pixel) - qGreen(pixel);
    return std::clamp(excess / (dial.code == 'E' ? 176.0 : 184.0), 0.0, 1.0);
}

// A pixel half covered by a needle is still clearly of its colour.
bool isNeedleColour(const Dial &dial, QRgb pixel)
{
    return needleCover(dial, pixel) > 0.33;
}

// How far a grey pixel is from the face towards the ink, 0 to 1; the needles' colours are no ink.
double inkiness(QRgb pixel)
{
    const int spread = std::max({ qRed(pixel), qGreen(pixel), qBlue(pixel) })
        - std::min({ qRed(pixel), qGreen(pixel), qBlue(pixel) });
    return spread > 40 ? 0 : std::clamp((246 - qGray(pixel)) / 226.0, 0.0, 1.0);
}

QPointF pointOnDial(const Dial &dial, double radius, double angle)
{
    return QLineF::fromPolar(radius, angle).translated(dial.centre).p2();
}

QRgb pixelAt(const QImage &picture, const QPointF &point)
{
    return picture.pixel(int(std::floor(point.x())), int(std::floor(point.y())));
}

// Positions on a dial are in degrees along its sweep from the start, whichever way it turns.
double angleAt(const Dial &dial, double position)
{
    return dial.scale.startAngle + (dial.scale.endAngle > dial.scale.startAngle ? position : -position);
}

// What circles around the pivot meet along the sweep, a little beyond its ends: the weighted middle,
// along the sweep, of each run of positions where a pixel on one of the circles weighs.
template <typename Weight>
std::vector<double> runsOnCircles(
    const QImage &picture, const Dial &dial, std::initializer_list<double> radii, Weight weightOf)
{
    std::vector<double> runs;
    double weight = 0;
    double moment = 0;
    const double sweep = std::abs(dial.scale.endAngle - dial.scale.startAngle);
    for (double position = -1.5; position <= sweep + 1.5; position += 0.02) {
        double w = 0;
        for (double radius : radii)
            w = std::max(w, weightOf(pixelAt(picture, pointOnDial(dial, radius, angleAt(dial, position)))));
        weight += w;
        moment += w * position;
        if (w == 0 && weight > 0) {
            runs.push_back(moment / weight);
            weight = moment = 0;
        }
    }
    if (weight > 0)
        runs.push_back(moment / weight);
    return runs;
}

std::vector<double> marksOnCircle(const QImage &picture, const Dial &dial, double radius)
{
    return runsOnCircles(
        picture, dial, { radius }, [](QRgb pixel) { return inkiness(pixel) > 0.2 ? inkiness(pixel) : 0; });
}

// Every mark, met by a band a pixel and a half wide inside their outer ends: a thin mark slanting across
// the pixels can leave one circle all but blank where the next is well inked.
std::vector<double> everyMark(const QImage &picture, const Dial &dial)
{
    const double r = dial.markRadius;
    return runsOnCircles(picture, dial, { r - 1.5, r - 2, r - 2.5, r - 3 },
        [](QRgb pixel) { return inkiness(pixel) > 0.2 ? inkiness(pixel) : 0; });
}

// Where the needle stands, along the sweep, as the written picture shows it: the middle of its colour
// near its tip, where no numeral is drawn over it.
double measuredNeedle(const QImage &picture, const Dial &dial)
{
    double sum = 0;
    for (double inset : { 2.5, 3.0, 3.5, 4.0 }) {
        const std::vector<double> runs = runsOnCircles(picture, dial, { dial.markRadius - inset },
            [&dial](QRgb pixel) { return needleCover(dial, pixel) > 0.1 ? needleCover(dial, pixel) : 0; });
        sum += runs.size() == 1 ? runs.front() : qQNaN();
    }
    return sum / 4;
}

// How inked each pixel of a shape is, from the faintest edge in.
using Ink = QHash<QPoint, double>;

// Glyphs filled as on the dial, by pixel of the picture.
Ink inkOf(const QPainterPath &glyphs)
{
    const QRect box = glyphs.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(qRgb(248, 246, 238));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-box.topLeft());
    painter.fillPath(glyphs, QColor(20, 20, 24));
    painter.end();
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (const double value = inkiness(image.pixel(x, y)); value > 0)
                ink.insert(box.topLeft() + QPoint(x, y), value);
        }
    }
    return ink;
}

QPointF centreOf(const Ink &ink)
{
    QPointF moment;
    double weight = 0;
    for (auto pixel = ink.cbegin(); pixel != ink.cend(); ++pixel) {
        moment += (QPointF(pixel.key()) + QPointF(0.5, 0.5)) * pixel.value();
        weight += pixel.value();
    }
    return moment / weight;
}

// The size of the shape's body, its faint edges left out.
QSize sizeOf(const Ink &ink)
{
    QRect bounds;
    for (auto pixel = ink.cbegin(); pixel != ink.cend(); ++pixel)
        bounds |= pixel.value() > NumeralInk ? QRect(pixel.key(), QSize(1, 1)) : QRect();
    return bounds.size();
}

// Where a numeral may stand around its long mark, in degrees along the sweep either way: half-way to the
// next long marks, and as far as the next would be past an end of the scale.
struct Reach {
    double towardStart;
    double towardEnd;
};

// The numeral standing inside a long mark (that far along the sweep), nearer it than the next long marks:
// the ink nearest the mark's inner end, the ink joined to it (the glyphs of a numeral stand side by
// side, up to five pixels apart), and its faint edges.
Ink numeralNear(const QImage &picture, const Dial &dial, double position, Reach reach)
{
    const double angle = angleAt(dial, position);
    const double outer = dial.markRadius - 10; // just inside the long marks
    const double direction = dial.scale.endAngle > dial.scale.startAngle ? 1 : -1;
    const auto inkAt = [&](QPoint p) {
        const QLineF ray(dial.centre, p + QPointF(0.5, 0.5));
        const double along = std::remainder(ray.angle() - angle, 360.0) * direction;
        const bool own = ray.length() < outer && along > -reach.towardStart && along < reach.towardEnd;
        return own ? inkiness(picture.pixel(p)) : 0.0;
    };
    const QPoint end = pointOnDial(dial, outer, angle).toPoint();
    QList<QPoint> pending;
    for (int dy = -dial.numeralPixelSize; dy <= dial.numeralPixelSize; ++dy) {
        for (int dx = -dial.numeralPixelSize; dx <= dial.numeralPixelSize; ++dx) {
            const QPoint p = end + QPoint(dx, dy);
            if (inkAt(p) > NumeralInk
                && (pending.isEmpty() || QLineF(end, p).length() < QLineF(end, pending[0]).length()))
                pending = { p };
        }
    }
    Ink numeral;
    for (const QPoint &seed : pending)
        numeral.insert(seed, inkAt(seed));
    while (!pending.isEmpty()) {
        const QPoint p = pending.takeLast();
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -6; dx <= 6; ++dx) {
                const QPoint q = p + QPoint(dx, dy);
                const bool body = inkAt(q) > NumeralInk;
                if (numeral.contains(q) || !(body || (std::abs(dx) <= 1 && inkAt(q) > 0)))
                    continue;
                numeral.insert(q, inkAt(q));
                if (body)
                    pending.append(q);
            }
        }
    }
    return numeral;
}

// How well the ink agrees with the text drawn as on the dial, 0 to 1, their middles laid on each other;
// not at all if their sizes differ by more than two pixels.
double likeness(const Ink &seen, const QString &text, const QFont &font)
{
    if (seen.isEmpty())
        return 0;
    QPainterPath glyphs;
    glyphs.addText(0, 0, font, text);
    const Ink expected = inkOf(glyphs.translated(centreOf(seen) - centreOf(inkOf(glyphs))));
    const QSize difference = sizeOf(seen) - sizeOf(expected);
    if (std::abs(difference.width()) > 2 || std::abs(difference.height()) > 2)
        return 0;
    Ink both = seen;
    both.insert(expected);
    double common = 0;
    double either = 0;
    for (auto pixel = both.cbegin(); pixel != both.cend(); ++pixel) {
        common += std::min(seen.value(pixel.key()), expected.value(pixel.key()));
        either += std::max(seen.value(pixel.key()), expected.value(pixel.key()));
    }
    return common / either;
}

// The value whose numeral looks most like the one inside the mark, if any looks much like it.
double numeralShown(const QImage &picture, const Dial &dial, double position, Reach reach)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(dial.numeralPixelSize);
    // The rev counter's figures and the fuel fractions are bold.
    font.setBold(dial.code == 'C' || dial.code == 'E');
    const Ink seen = numeralNear(picture, dial, position, reach);
    double shown = qQNaN();
    double best = 0.85;
    for (double value = dial.scale.minimum; value <= dial.scale.maximum + Tolerance;
         value += dial.scale.numeralStep) {
        if (const double match = likeness(seen, expectedNumeral(dial.code, value), font); match > best) {
            best = match;
            shown = value;
        }
    }
    return shown;
}

[[noreturn]] void misread(const Dial &dial, const QString &what, double position)
{
    throw std::runtime_error(
        qPrintable(QStringLiteral("%1 dial: %2 %3° along").arg(dial.code).arg(what).arg(position)));
}

struct Mark {
    double position; // along the sweep
    int index; // graduations from the first mark seen
};

// The marks of the written picture, counted in graduations from the first seen.
std::vector<Mark> marksInPicture(const QImage &picture, const Dial &dial, double needle)
{
    // Marks this near the needle may be hidden, or partly: they are not counted, and may be missing.
    const auto underNeedle = [&](double position, double pixels) {
        return qDegreesToRadians(std::abs(position - needle)) * dial.markRadius < pixels;
    };
    std::vector<double> seen = everyMark(picture, dial);
    seen.erase(std::remove_if(seen.begin(), seen.end(), [&](double mark) { return underNeedle(mark, 3); }),
        seen.end());
    if (seen.size() < 3)
        misread(dial, QStringLiteral("no marks"), needle);
    std::vector<double> gaps;
    for (size_t i = 1; i < seen.size(); ++i)
        gaps.push_back(seen[i] - seen[i - 1]);
    std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
    const double span = seen.back() - seen.front();
    // Between the first and last marks seen lie about span / gap graduations; on a scale of some sixty
    // marks a few pixels apart, the middle gap can miss by one in sixty, so the count nearby that puts
    // every mark nearest its place wins.
    const auto worstMisplacement = [&](double count) {
        double worst = 0;
        for (double position : seen) {
            const double steps = (position - seen.front()) / span * count;
            worst = std::max(worst, std::abs(steps - std::round(steps)));
        }
        return worst;
    };
    const double estimate = std::round(span / gaps[gaps.size() / 2]);
    double count = estimate;
    for (double other = std::max(1.0, estimate - 2); other <= estimate + 2; ++other) {
        if (worstMisplacement(other) < worstMisplacement(count))
            count = other;
    }
    const double spacing = span / count;
    std::vector<Mark> marks;
    for (double position : seen) {
        const double steps = (position - seen.front()) / spacing;
        const int index = int(std::lround(steps));
        if (std::abs(steps - index) > 0.2)
            misread(dial, QStringLiteral("a mark out of step"), position);
        for (int hidden = marks.empty() ? index : marks.back().index + 1; hidden < index; ++hidden) {
            if (!underNeedle(seen.front() + hidden * spacing, 4))
                misread(dial, QStringLiteral("a mark missing"), seen.front() + hidden * spacing);
        }
        marks.push_back({ position, index });
    }
    return marks;
}

// The dial's value as a reader finds it in the written picture: what a graduation is worth, from
// the numerals of the long marks and the marks counted between them, then the graduations counted
// from a numeral, and the needle's place between the marks either side. On the way, every mark must
// be of the length its place on the scale gives it, and every numeral agree with the count.
double valueInPicture(const QImage &picture, const Dial &dial)
{
    const DialScale &scale = dial.scale;
    const double needle = measuredNeedle(picture, dial);
    const std::vector<Mark> marks = marksInPicture(picture, dial, needle);
    const std::vector<double> medium = marksOnCircle(picture, dial, dial.markRadius - 6);
    const std::vector<double> numeral = marksOnCircle(picture, dial, dial.markRadius - 8);
    // How far in a mark reaches: to the medium marks' circle, and to the long marks' one.
    const auto reachOf = [&](const Mark &mark) {
        const auto metOn = [&](const std::vector<double> &circle) {
            return std::any_of(circle.begin(), circle.end(), [&](double other) {
                return qDegreesToRadians(std::abs(other - mark.position)) * dial.markRadius < 1.5;
            });
        };
        return int(metOn(medium)) + int(metOn(numeral));
    };
    const auto first
        = std::find_if(marks.begin(), marks.end(), [&](const Mark &mark) { return reachOf(mark) == 2; });
    if (first == marks.end())
        misread(dial, QStringLiteral("no long mark"), needle);
    const int perNumeral = int(std::lround(scale.numeralStep / scale.graduation));
    const int perMedium = int(std::lround(scale.mediumStep / scale.graduation));
    const double apart = (marks.back().position - marks.front().position) / marks.back().index * perNumeral;
    struct Numeral {
        Mark mark;
        double value;
    };
    std::vector<Numeral> numerals;
    for (const Mark &mark : marks) {
        const int steps = mark.index - first->index;
        const int reach = steps % perNumeral == 0 ? 2 : perMedium && steps % perMedium == 0 ? 1 : 0;
        if (reachOf(mark) != reach)
            misread(dial, QStringLiteral("a mark of the wrong length"), mark.position);
        if (reach < 2)
            continue;
        const bool atStart = mark.index - perNumeral < marks.front().index;
        const bool atEnd = mark.index + perNumeral > marks.back().index;
        numerals.push_back({ mark,
            numeralShown(
                picture, dial, mark.position, { atStart ? apart : apart / 2, atEnd ? apart : apart / 2 }) });
    }
    if (numerals.size() < 2)
        misread(dial, QStringLiteral("fewer than two numerals"), needle);
    const double graduation = (numerals.back().value - numerals.front().value)
        / (numerals.back().mark.index - numerals.front().mark.index);
    const double origin
        = numerals.front().value - numerals.front().mark.index * graduation; // of the first mark seen
    for (const Numeral &numeral : numerals) {
        const double expected = origin + numeral.mark.index * graduation;
        if (!(std::abs(numeral.value - expected) < Tolerance * std::max(1.0, std::abs(expected))))
            misread(dial, QStringLiteral("a numeral unlike its place"), numeral.mark.position);
    }
    // Past the marks seen at either end (the needle may hide an end mark), the last two carry on.
    const auto after = std::clamp(
        std::find_if(marks.begin(), marks.end(), [&](const Mark &mark) { return mark.position > needle; }),
        marks.begin() + 1, marks.end() - 1);
    const Mark &before = *(after - 1);
    const double steps = before.index
        + (needle - before.position) / (after->position - before.position) * (after->index - before.index);
    return origin + steps * graduation;
}

// Pixels whose colour differs a lot: JPEG's small errors stay under the threshold, a moved needle does not.
int clearlyDifferentPixels(const QImage &a, const QImage &b)
{
    constexpr int Threshold = 80;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > Threshold || std::abs(qGreen(p) - qGreen(q)) > Threshold
                || std::abs(qBlue(p) - qBlue(q)) > Threshold)
                ++count;
        }
    }
    return count;
}

} // namespace

class tst_pictures_dials : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void needleShowsRightValue_data();
    void needleShowsRightValue();
    void scaleMapsValuesToAngles_data();
    void scaleMapsValuesToAngles();
    void scaleWidenedOnlyWhereValueFallsOutside();
    void unaskedDialShowsPlausibleValue_data();
    void unaskedDialShowsPlausibleValue();
    void dialsFitTheirBoxes_data();
    void dialsFitTheirBoxes();
    void exampleShowsRevCounterNear6200();
    void onlyPanelsTwoToNineExist();

    void writesEveryPanelAndAsset_data();
    void writesEveryPanelAndAsset();
    void needlesAreDrawnAtTheirAngles_data();
    void needlesAreDrawnAtTheirAngles();
    void assetShowsPanelTwo();
    void picturesUseTheirPalette_data();
    void picturesUseTheirPalette();
    void outputIsDeterministic_data();
    void outputIsDeterministic();

private:
    // Series 1 in "pictures" (and "assets"), each later series in a folder named by its number.
    QString folderOf(int series) const
    {
        return written.filePath(series == Series::Own ? QStringLiteral("pictures") : QString::number(series));
    }
    QString panelPath(int series, int panel) const
    {
        return folderOf(series) + QLatin1Char('/') + DialsBank::panelFile(panel);
    }

    QTemporaryDir written;
    QMap<int, QStringList> writeErrors;
};

void tst_pictures_dials::initTestCase()
{
    QVERIFY(written.isValid());
    QVERIFY(QDir(written.path()).mkpath(QStringLiteral("pictures")));
    QVERIFY(QDir(written.path()).mkpath(QStringLiteral("assets")));
    PictureOutput output(written.filePath(QStringLiteral("pictures")),
        written.filePath(QStringLiteral("assets")), written.path());
    writeDialPictures(output);
    writeErrors[Series::Own] = output.errors();
    for (int series = Series::Own + 1; series <= Series::Count; ++series) {
        QVERIFY(QDir().mkpath(folderOf(series)));
        PictureOutput later(series, folderOf(series));
        writeDialPictures(later);
        writeErrors[series] = later.errors();
    }
}

void tst_pictures_dials::needleShowsRightValue_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("question");
    for (int series = Series::Own; series <= Series::Count; ++series) {
        for (int question = 1; question <= DialsBank::QuestionCount; ++question)
            QTest::addRow("series %d question %d", series, question) << series << question;
    }
}

// The answer is read back from the drawn geometry, and from the written picture: the needle's
// angle through its dial's scale.
void tst_pictures_dials::needleShowsRightValue()
{
    QFETCH(int, series);
    QFETCH(int, question);
    const char code = DialsBank::InstrumentCodes[size_t(question - 1)];
    const double right = DialsBank::rightValue(question);
    const int panel = DialsBank::panelOf(question);
    const Dial dial = panelOf(panel, series).dial(code);

    const QImage picture(panelPath(series, panel));
    double seen = qQNaN();
    try {
        seen = valueInPicture(picture, dial);
    } catch (const std::runtime_error &misread) {
        QFAIL(misread.what());
    }
    for (double offered : DialsBank::ChoiceValues[size_t(question - 1)]) {
        QVERIFY2(offered == right || std::abs(offered - seen) > std::abs(right - seen),
            qPrintable(
                QStringLiteral("the picture reads %1, nearer %2 than %3").arg(seen).arg(offered).arg(right)));
    }

    const double reading = dial.reading();
    QVERIFY2(std::abs(reading - right) < Tolerance * (dial.scale.maximum - dial.scale.minimum),
        qPrintable(QStringLiteral("needle reads %1, right value %2").arg(reading).arg(right)));
    QVERIFY(dial.scale.contains(reading));

    // A candidate reading the needle only to the nearest half graduation still lands nearest the right value.
    const double half = dial.scale.graduation / 2;
    const double roughReading = dial.scale.minimum + std::round((reading - dial.scale.minimum) / half) * half;
    for (double offered : DialsBank::ChoiceValues[size_t(question - 1)]) {
        if (offered == right)
            continue;
        QVERIFY2(std::abs(offered - reading) > std::abs(right - reading),
            qPrintable(QStringLiteral("%1 is as near the needle as %2").arg(offered).arg(right)));
        QVERIFY2(std::abs(offered - roughReading) > std::abs(right - roughReading),
            qPrintable(
                QStringLiteral("%1 cannot be told from %2 to half a graduation").arg(offered).arg(right)));
        QVERIFY2(std::abs(offered - right) >= LeastSeparation * dial.scale.graduation - Tolerance,
            qPrintable(QStringLiteral("%1 lies within %2 of a graduation of %3")
                           .arg(offered)
                           .arg(LeastSeparation)
                           .arg(right)));
        QVERIFY2(arcShift(dial, offered) >= SmallestVisibleShift,
            qPrintable(QStringLiteral("%1 would move the needle by only %2 px")
                           .arg(offered)
                           .arg(arcShift(dial, offered))));
    }
}

void tst_pictures_dials::scaleMapsValuesToAngles_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("index");
    for (int series = Series::Own; series <= Series::Count; ++series) {
        const std::vector<DialOnPanel> dials = everyDial(series);
        for (size_t i = 0; i < dials.size(); ++i)
            QTest::addRow("series %d %s", series, qPrintable(dials[i].name)) << series << int(i);
    }
}

void tst_pictures_dials::scaleMapsValuesToAngles()
{
    QFETCH(int, series);
    QFETCH(int, index);
    const DialScale scale = everyDial(series)[size_t(index)].dial.scale;
    QCOMPARE(scale.angleOf(scale.minimum), scale.startAngle);
    QCOMPARE(scale.angleOf(scale.maximum), scale.endAngle);
    const double sweep = scale.endAngle - scale.startAngle;
    QVERIFY(std::abs(sweep) > 90 && std::abs(sweep) <= 330);

    const int samples = 400;
    double previous = scale.startAngle;
    for (int i = 1; i <= samples; ++i) {
        const double value = scale.minimum + (scale.maximum - scale.minimum) * i / samples;
        const double angle = scale.angleOf(value);
        QVERIFY((angle - previous) * sweep > 0);
        QVERIFY(std::abs(scale.valueAt(angle) - value) < Tolerance * (scale.maximum - scale.minimum));
        previous = angle;
    }

    // The marks run from end to end, and both ends carry a numeral.
    QVERIFY(std::abs(scale.markValue(0) - scale.minimum) < Tolerance);
    QVERIFY(std::abs(scale.markValue(scale.markCount() - 1) - scale.maximum)
        < Tolerance * scale.maximum + Tolerance);
    QVERIFY(scale.isMultiple(scale.minimum, scale.numeralStep));
    QVERIFY(scale.isMultiple(scale.maximum, scale.numeralStep));
    QVERIFY(scale.isMultiple(scale.numeralStep + scale.minimum, scale.graduation));
}

// Each panel keeps the usual scales; only a needle that would fall off its dial widens that dial.
void tst_pictures_dials::scaleWidenedOnlyWhereValueFallsOutside()
{
    QStringList widened;
    for (int panel = DialsBank::FirstPanel; panel <= DialsBank::LastPanel; ++panel) {
        for (const Dial &dial : DialPanels::questionPanel(panel, Series::Own).dials) {
            const DialScale usual = DialPanels::standardDial(dial.code).scale;
            const bool changed = dial.scale.minimum != usual.minimum || dial.scale.maximum != usual.maximum;
            QCOMPARE(changed, !usual.contains(dial.reading()));
            QVERIFY(dial.scale.minimum <= usual.minimum && dial.scale.maximum >= usual.maximum);
            if (changed)
                widened.append(QStringLiteral("%1%2").arg(panel).arg(dial.code));
        }
    }
    QCOMPARE(widened, QStringList { QStringLiteral("9T") });
    QCOMPARE(DialPanels::questionPanel(9, Series::Own).dial('T').scale.minimum, 0.0);
}

void tst_pictures_dials::unaskedDialShowsPlausibleValue_data()
{
    addSeriesColumn();
}

void tst_pictures_dials::unaskedDialShowsPlausibleValue()
{
    QFETCH(int, series);
    for (int panel = DialsBank::FirstPanel; panel <= DialsBank::LastPanel; ++panel) {
        QString asked;
        for (int question = 1; question <= DialsBank::QuestionCount; ++question) {
            if (DialsBank::panelOf(question) == panel)
                asked.append(QLatin1Char(DialsBank::InstrumentCodes[size_t(question - 1)]));
        }
        QCOMPARE(asked.size(), DialsBank::QuestionsPerPanel);
        const DialPanel &dials = panelOf(panel, series);
        int unasked = 0;
        for (const Dial &dial : dials.dials) {
            if (asked.contains(QLatin1Char(dial.code)))
                continue;
            ++unasked;
            QVERIFY(DialPanels::standardDial(dial.code).scale.contains(dial.reading()));
            QVERIFY(dial.scale.contains(dial.reading()));
        }
        QCOMPARE(unasked, 1);
    }
}

void tst_pictures_dials::dialsFitTheirBoxes_data()
{
    addSeriesColumn();
}

// The instruction screen shows only the left of the example panel: the rev counter and speed dial must
// be whole there, as on series 1's panels, laid out alike. On every panel, no face overlaps another,
// each numeral stands on its face clear of the other numerals around its pivot and of a label printed
// there, and a label printed on the panel stays on it, off every face and off the other labels.
void tst_pictures_dials::dialsFitTheirBoxes()
{
    QFETCH(int, series);
    const QRectF examplePart(0, 0, DialPanels::ExampleWidth, DialPanels::ExampleHeight);
    const QRectF wholePanel(0, 0, DialPanels::Width, DialPanels::Height);
    std::vector<std::pair<QString, DialPanel>> panels;
    for (int panel = DialsBank::FirstPanel; panel <= DialsBank::LastPanel; ++panel)
        panels.emplace_back(QStringLiteral("panel %1").arg(panel), panelOf(panel, series));
    if (series == Series::Own)
        panels.emplace_back(QStringLiteral("example"), DialPanels::examplePanel());
    const auto labelOnFace
        = [](const Dial &dial) { return faceOf(dial).contains(dial.centre + dial.labelOffset); };
    for (const auto &[name, panel] : panels) {
        for (size_t i = 0; i < panel.dials.size(); ++i) {
            const Dial &dial = panel.dials[i];
            const QString where = name + QLatin1Char(' ') + QLatin1Char(dial.code);
            const bool withExample = series == Series::Own && (dial.code == 'C' || dial.code == 'V');
            QVERIFY2((withExample ? examplePart : wholePanel).contains(dial.bounds()), qPrintable(where));

            const QPainterPath face = faceOf(dial, true);
            const std::vector<DialNumeral> numerals = dial.numerals();
            for (size_t k = 0; k < numerals.size(); ++k) {
                const QString numeral = where + QLatin1Char(' ') + numerals[k].text;
                QVERIFY2(
                    face.contains(numerals[k].box), qPrintable(numeral + QStringLiteral(" off its face")));
                QVERIFY2(!labelOnFace(dial) || !numerals[k].box.intersects(dial.labelBox()),
                    qPrintable(numeral + QStringLiteral(" on the label")));
                for (size_t other = 0; other < k; ++other) {
                    QVERIFY2(!numerals[k].box.intersects(numerals[other].box),
                        qPrintable(numeral + QStringLiteral(" on ") + numerals[other].text));
                }
            }
            if (!labelOnFace(dial)) {
                QVERIFY2(
                    wholePanel.contains(dial.labelBox()), qPrintable(where + QStringLiteral("'s label")));
                for (const Dial &other : panel.dials) {
                    QVERIFY2(!faceOf(other).intersects(dial.labelBox()),
                        qPrintable(where + QStringLiteral("'s label on ") + QLatin1Char(other.code)));
                }
            }

            for (size_t j = 0; j < i; ++j) {
                const Dial &other = panel.dials[j];
                const QString pair = where + QStringLiteral(" and ") + QLatin1Char(other.code);
                const QRectF common = faceOf(dial).intersected(faceOf(other)).boundingRect();
                QVERIFY2(common.width() < 0.5 || common.height() < 0.5,
                    qPrintable(pair + QStringLiteral(" overlap")));
                if (!labelOnFace(dial) && !labelOnFace(other))
                    QVERIFY2(!dial.labelBox().intersects(other.labelBox()),
                        qPrintable(pair + QStringLiteral("' labels")));
                if (dial.centre != other.centre)
                    continue;
                for (const DialNumeral &numeral : dial.numerals()) {
                    for (const DialNumeral &across : other.numerals()) {
                        QVERIFY2(!numeral.box.intersects(across.box),
                            qPrintable(pair + QStringLiteral(": ") + numeral.text + QStringLiteral(" on ")
                                + across.text));
                    }
                }
            }
        }
    }
    const Dial revCounter = DialPanels::examplePanel().dial('C');
    const Dial speed = DialPanels::examplePanel().dial('V');
    QVERIFY(QLineF(revCounter.centre, speed.centre).length() >= revCounter.radius + speed.radius);
}

void tst_pictures_dials::exampleShowsRevCounterNear6200()
{
    const Dial revCounter = DialPanels::examplePanel().dial('C');
    QVERIFY(std::abs(revCounter.reading() - 6200) <= revCounter.scale.graduation / 2);
}

void tst_pictures_dials::onlyPanelsTwoToNineExist()
{
    for (int series : { int(Series::Own), int(Series::Count) }) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, DialPanels::questionPanel(1, series));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, DialPanels::questionPanel(10, series));
    }
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, DialPanels::examplePanel().dial('X'));
}

void tst_pictures_dials::writesEveryPanelAndAsset_data()
{
    addSeriesColumn();
}

// A later series writes its panels only, each clearly unlike the same panel of every series before it.
void tst_pictures_dials::writesEveryPanelAndAsset()
{
    QFETCH(int, series);
    QVERIFY2(writeErrors[series].isEmpty(), qPrintable(writeErrors[series].join(QLatin1Char('\n'))));
    QStringList expected;
    for (int panel = DialsBank::FirstPanel; panel <= DialsBank::LastPanel; ++panel) {
        expected.append(DialsBank::panelFile(panel));
        expected.append(doubleSizeName(expected.last()));
    }
    QStringList panels = QDir(folderOf(series)).entryList(QDir::Files);
    panels.sort();
    expected.sort();
    QCOMPARE(panels, expected);

    const QSize plainSize(DialPanels::Width, DialPanels::Height);
    auto sizeOf = [](const QString &file) { return file.contains(QLatin1String("@2x")) ? 2 : 1; };
    for (const QString &file : panels) {
        const QImage picture(folderOf(series) + QLatin1Char('/') + file);
        QCOMPARE(picture.size(), plainSize * sizeOf(file));
    }
    for (int earlier = Series::Own; earlier < series; ++earlier) {
        for (int panel = DialsBank::FirstPanel; panel <= DialsBank::LastPanel; ++panel) {
            const int differing
                = clearlyDifferentPixels(QImage(panelPath(series, panel)), QImage(panelPath(earlier, panel)));
            QVERIFY2(differing > 5000,
                qPrintable(QStringLiteral("panel %1 of series %2 and %3: %4 pixels differ")
                               .arg(panel)
                               .arg(series)
                               .arg(earlier)
                               .arg(differing)));
        }
    }
    if (series != Series::Own)
        return;
    QStringList assets = QDir(written.filePath(QStringLiteral("assets"))).entryList(QDir::Files);
    assets.sort();
    QCOMPARE(assets,
        (QStringList { QStringLiteral("cadran2.jpg"), QStringLiteral("cadran2@2x.jpg"),
            QStringLiteral("exemple-cadran.jpg"), QStringLiteral("exemple-cadran@2x.jpg") }));
    for (const QString &file : assets) {
        const QImage picture(written.filePath(QStringLiteral("assets/") + file));
        QCOMPARE(picture.size(), plainSize * sizeOf(file));
    }
}

void tst_pictures_dials::needlesAreDrawnAtTheirAngles_data()
{
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("panel");
    for (int series = Series::Own; series <= Series::Count; ++series) {
        for (int panel = DialsBank::FirstPanel; panel <= DialsBank::LastPanel; ++panel)
            QTest::addRow("series %d cadran%d.gif", series, panel) << series << panel;
    }
}

// The written picture agrees with the model: the needle's colour along each needle (on either side
// of the numerals it may pass behind), and not where it would point for a value a mark away.
void tst_pictures_dials::needlesAreDrawnAtTheirAngles()
{
    QFETCH(int, series);
    QFETCH(int, panel);
    const QImage picture(panelPath(series, panel));
    QVERIFY(!picture.isNull());
    for (const Dial &dial : panelOf(panel, series).dials) {
        // Near the pivot, and between the numerals (drawn over the needle) and the tip.
        for (double radius : { dial.markRadius * 0.3, dial.markRadius - 8, dial.markRadius - 3 }) {
            QVERIFY2(isNeedleColour(dial, pixelAt(picture, pointOnDial(dial, radius, dial.needleAngle))),
                qPrintable(QStringLiteral("%1 at %2 px from its pivot").arg(dial.code).arg(radius)));
        }
        const double away = dial.reading() + 3 * dial.scale.graduation <= dial.scale.maximum
            ? dial.reading() + 3 * dial.scale.graduation
            : dial.reading() - 3 * dial.scale.graduation;
        const QPointF elsewhere = pointOnDial(dial, dial.markRadius - 3, dial.scale.angleOf(away));
        QVERIFY(!isNeedleColour(dial, pixelAt(picture, elsewhere)));
    }
}

void tst_pictures_dials::assetShowsPanelTwo()
{
    const QImage asset(written.filePath(QStringLiteral("assets/cadran2.jpg")));
    const QImage panelTwo(written.filePath(QStringLiteral("pictures/cadran2.gif")));
    const QImage panelThree(written.filePath(QStringLiteral("pictures/cadran3.gif")));
    const QImage example(written.filePath(QStringLiteral("assets/exemple-cadran.jpg")));
    const int same = clearlyDifferentPixels(asset, panelTwo);
    const int otherPanel = clearlyDifferentPixels(asset, panelThree);
    const int otherExample = clearlyDifferentPixels(example, panelTwo);
    QVERIFY2(same < 100, qPrintable(QString::number(same)));
    QVERIFY(otherPanel > 5 * same);
    QVERIFY(otherExample > 5 * same);
}

void tst_pictures_dials::picturesUseTheirPalette_data()
{
    addSeriesColumn();
}

void tst_pictures_dials::picturesUseTheirPalette()
{
    QFETCH(int, series);
    const QVector<QRgb> palette = dialPalette();
    QVERIFY(palette.size() <= 256);
    const QImage drawn = drawDialPanel(panelOf(5, series));
    QCOMPARE(drawn.format(), QImage::Format_RGB32);
    QSet<QRgb> used;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            used.insert(drawn.pixel(x, y) | 0xff000000);
    }
    for (QRgb colour : used)
        QVERIFY(palette.contains(colour));
    // Antialiasing really happened: more than the six plain colours are in use.
    QVERIFY(used.size() > 6);

    const QImage gif(panelPath(series, 5));
    QCOMPARE(gif.convertToFormat(QImage::Format_RGB32), drawn);
}

void tst_pictures_dials::outputIsDeterministic_data()
{
    addSeriesColumn();
}

void tst_pictures_dials::outputIsDeterministic()
{
    QFETCH(int, series);
    QTemporaryDir again;
    QVERIFY(again.isValid());
    PictureOutput output = series == Series::Own ? PictureOutput(again.path(), again.path(), again.path())
                                                 : PictureOutput(series, again.path());
    writeDialPictures(output);
    QVERIFY(output.errors().isEmpty());
    for (int panel = DialsBank::FirstPanel; panel <= DialsBank::LastPanel; ++panel) {
        const QString name = DialsBank::panelFile(panel);
        QFile first(panelPath(series, panel));
        QFile second(again.filePath(name));
        QVERIFY(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
        QVERIFY2(first.readAll() == second.readAll(), qPrintable(name));
    }
}

QTEST_MAIN(tst_pictures_dials)
#include "tst_pictures_dials.moc"
