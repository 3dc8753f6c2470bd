#include "dialpanel.h"
#include "dialpictures.h"
#include "dials/dialbank.h"
#include "doublesize.h"
#include "pictureoutput.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineF>
#include <QSet>
#include <QTemporaryDir>
#include <QtMath>
#include <QtTest>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

// A needle moved by less than this, measured along the marks, looks the same to the eye.
constexpr double SmallestVisibleShift = 1.75;
constexpr double Tolerance = 1e-9;

struct DialOnPanel {
    QString name;
    Dial dial;
};

std::vector<DialOnPanel> everyDial()
{
    std::vector<DialOnPanel> dials;
    for (int panel = DialBank::FirstPanel; panel <= DialBank::LastPanel; ++panel) {
        for (const Dial &dial : DialPanels::questionPanel(panel).dials)
            dials.push_back({ QStringLiteral("panel %1 %2").arg(panel).arg(dial.code), dial });
    }
    for (const Dial &dial : DialPanels::examplePanel().dials)
        dials.push_back({ QStringLiteral("example %1").arg(dial.code), dial });
    return dials;
}

double arcShift(const Dial &dial, double value)
{
    return qDegreesToRadians(std::abs(dial.scale.angleOf(value) - dial.needleAngle)) * dial.markRadius;
}

// Only the needles are red, or blue for the fuel gauge; a pixel half covered by one is still clearly so.
bool isNeedleColour(const Dial &dial, QRgb pixel)
{
    if (dial.code == 'E')
        return qBlue(pixel) - qRed(pixel) > 60;
    return qRed(pixel) - qGreen(pixel) > 60;
}

QRgb pixelAt(const QImage &picture, const QPointF &point)
{
    return picture.pixel(int(std::floor(point.x())), int(std::floor(point.y())));
}

// The needle's angle as the written picture shows it: the middle of the needle-coloured arc met on
// a circle around the pivot, within the dial's sweep (so a needle sharing the pivot is not seen).
// The circle runs among the marks, beyond the numerals that a needle may pass behind.
double measuredNeedleAngle(const QImage &picture, const Dial &dial)
{
    const double low = std::min(dial.scale.startAngle, dial.scale.endAngle);
    const double high = std::max(dial.scale.startAngle, dial.scale.endAngle);
    double sum = 0;
    int count = 0;
    for (double angle = low; angle <= high; angle += 0.05) {
        const QPointF point = QLineF::fromPolar(dial.markRadius - 3, angle).translated(dial.centre).p2();
        if (isNeedleColour(dial, pixelAt(picture, point))) {
            sum += angle;
            ++count;
        }
    }
    return count ? sum / count : qQNaN();
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
    void unaskedDialShowsPlausibleValue();
    void dialsFitTheirBoxes();
    void exampleShowsRevCounterNear6200();
    void onlyPanelsTwoToNineExist();

    void writesEveryPanelAndAsset();
    void needlesAreDrawnAtTheirAngles_data();
    void needlesAreDrawnAtTheirAngles();
    void assetShowsPanelTwo();
    void picturesUseTheirPalette();
    void outputIsDeterministic();

private:
    QTemporaryDir written;
    QStringList writeErrors;
};

void tst_pictures_dials::initTestCase()
{
    QVERIFY(written.isValid());
    QVERIFY(QDir(written.path()).mkpath(QStringLiteral("pictures")));
    QVERIFY(QDir(written.path()).mkpath(QStringLiteral("assets")));
    PictureOutput output(written.filePath(QStringLiteral("pictures")), written.filePath(QStringLiteral("assets")),
        written.path());
    writeDialPictures(output);
    writeErrors = output.errors();
}

void tst_pictures_dials::needleShowsRightValue_data()
{
    QTest::addColumn<int>("question");
    for (int question = 1; question <= DialBank::QuestionCount; ++question)
        QTest::addRow("question %d", question) << question;
}

// The answer is read back from the drawn geometry, and from the written picture: the needle's
// angle through its dial's scale.
void tst_pictures_dials::needleShowsRightValue()
{
    QFETCH(int, question);
    const char code = DialBank::InstrumentCodes[size_t(question - 1)];
    const double right = DialBank::rightValue(question);
    const int panel = DialBank::panelOf(question);
    const Dial dial = DialPanels::questionPanel(panel).dial(code);

    const QImage picture(written.filePath("pictures/" + DialBank::panelFile(panel)));
    const double seen = dial.scale.valueAt(measuredNeedleAngle(picture, dial));
    for (double offered : DialBank::ChoiceValues[size_t(question - 1)]) {
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
    for (double offered : DialBank::ChoiceValues[size_t(question - 1)]) {
        if (offered == right)
            continue;
        QVERIFY2(std::abs(offered - reading) > std::abs(right - reading),
            qPrintable(QStringLiteral("%1 is as near the needle as %2").arg(offered).arg(right)));
        QVERIFY2(std::abs(offered - roughReading) > std::abs(right - roughReading),
            qPrintable(
                QStringLiteral("%1 cannot be told from %2 to half a graduation").arg(offered).arg(right)));
        QVERIFY2(arcShift(dial, offered) >= SmallestVisibleShift,
            qPrintable(QStringLiteral("%1 would move the needle by only %2 px")
                           .arg(offered)
                           .arg(arcShift(dial, offered))));
    }
}

void tst_pictures_dials::scaleMapsValuesToAngles_data()
{
    QTest::addColumn<int>("index");
    const std::vector<DialOnPanel> dials = everyDial();
    for (size_t i = 0; i < dials.size(); ++i)
        QTest::newRow(qPrintable(dials[i].name)) << int(i);
}

void tst_pictures_dials::scaleMapsValuesToAngles()
{
    QFETCH(int, index);
    const DialScale scale = everyDial()[size_t(index)].dial.scale;
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
    for (int panel = DialBank::FirstPanel; panel <= DialBank::LastPanel; ++panel) {
        for (const Dial &dial : DialPanels::questionPanel(panel).dials) {
            const DialScale usual = DialPanels::standardDial(dial.code).scale;
            const bool changed = dial.scale.minimum != usual.minimum || dial.scale.maximum != usual.maximum;
            QCOMPARE(changed, !usual.contains(dial.reading()));
            QVERIFY(dial.scale.minimum <= usual.minimum && dial.scale.maximum >= usual.maximum);
            if (changed)
                widened.append(QStringLiteral("%1%2").arg(panel).arg(dial.code));
        }
    }
    QCOMPARE(widened, QStringList { QStringLiteral("9T") });
    QCOMPARE(DialPanels::questionPanel(9).dial('T').scale.minimum, 0.0);
}

void tst_pictures_dials::unaskedDialShowsPlausibleValue()
{
    for (int panel = DialBank::FirstPanel; panel <= DialBank::LastPanel; ++panel) {
        QString asked;
        for (int question = 1; question <= DialBank::QuestionCount; ++question) {
            if (DialBank::panelOf(question) == panel)
                asked.append(QLatin1Char(DialBank::InstrumentCodes[size_t(question - 1)]));
        }
        QCOMPARE(asked.size(), DialBank::QuestionsPerPanel);
        const DialPanel dials = DialPanels::questionPanel(panel);
        int unasked = 0;
        for (const Dial &dial : dials.dials) {
            if (asked.contains(QLatin1Char(dial.code)))
                continue;
            ++unasked;
            QVERIFY(DialPanels::standardDial(dial.code).scale.contains(dial.reading()));
        }
        QCOMPARE(unasked, 1);
    }
}

// The instruction screen shows only the left of the panel: the rev counter and speed dial must be whole
// there.
void tst_pictures_dials::dialsFitTheirBoxes()
{
    const QRectF examplePart(0, 0, DialPanels::ExampleWidth, DialPanels::ExampleHeight);
    const QRectF wholePanel(0, 0, DialPanels::Width, DialPanels::Height);
    for (const DialOnPanel &entry : everyDial()) {
        const Dial &dial = entry.dial;
        const QRectF box = dial.code == 'C' || dial.code == 'V' ? examplePart : wholePanel;
        QVERIFY2(box.contains(dial.bounds()), qPrintable(entry.name));
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
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, DialPanels::questionPanel(1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, DialPanels::questionPanel(10));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, DialPanels::examplePanel().dial('X'));
}

void tst_pictures_dials::writesEveryPanelAndAsset()
{
    QVERIFY2(writeErrors.isEmpty(), qPrintable(writeErrors.join(QLatin1Char('\n'))));
    QStringList expected;
    for (int panel = DialBank::FirstPanel; panel <= DialBank::LastPanel; ++panel) {
        expected.append(DialBank::panelFile(panel));
        expected.append(doubleSizeName(expected.last()));
    }
    QStringList panels = QDir(written.filePath(QStringLiteral("pictures")))
                             .entryList({ QStringLiteral("cadran*") }, QDir::Files);
    panels.sort();
    expected.sort();
    QCOMPARE(panels, expected);
    QStringList assets = QDir(written.filePath(QStringLiteral("assets"))).entryList(QDir::Files);
    assets.sort();
    QCOMPARE(assets,
        (QStringList { QStringLiteral("cadran2.jpg"), QStringLiteral("cadran2@2x.jpg"),
            QStringLiteral("exemple-cadran.jpg"), QStringLiteral("exemple-cadran@2x.jpg") }));

    const QSize plainSize(DialPanels::Width, DialPanels::Height);
    auto sizeOf = [](const QString &file) { return file.contains(QLatin1String("@2x")) ? 2 : 1; };
    for (const QString &file : panels) {
        const QImage picture(written.filePath(QStringLiteral("pictures/") + file));
        QCOMPARE(picture.size(), plainSize * sizeOf(file));
    }
    for (const QString &file : assets) {
        const QImage picture(written.filePath(QStringLiteral("assets/") + file));
        QCOMPARE(picture.size(), plainSize * sizeOf(file));
    }
}

void tst_pictures_dials::needlesAreDrawnAtTheirAngles_data()
{
    QTest::addColumn<int>("panel");
    for (int panel = DialBank::FirstPanel; panel <= DialBank::LastPanel; ++panel)
        QTest::addRow("cadran%d.gif", panel) << panel;
}

// The written picture agrees with the model: the needle's colour along each needle (on either side
// of the numerals it may pass behind), and not where it would point for a value a mark away.
void tst_pictures_dials::needlesAreDrawnAtTheirAngles()
{
    QFETCH(int, panel);
    const QImage picture(written.filePath("pictures/" + DialBank::panelFile(panel)));
    QVERIFY(!picture.isNull());
    for (const Dial &dial : DialPanels::questionPanel(panel).dials) {
        for (double fraction : { 0.3, 0.9 }) {
            const QPointF point = QLineF::fromPolar(dial.markRadius * fraction, dial.needleAngle)
                                      .translated(dial.centre)
                                      .p2();
            QVERIFY2(isNeedleColour(dial, pixelAt(picture, point)),
                qPrintable(QStringLiteral("%1 at %2 of its length").arg(dial.code).arg(fraction)));
        }
        const double away = dial.reading() + 3 * dial.scale.graduation <= dial.scale.maximum
            ? dial.reading() + 3 * dial.scale.graduation
            : dial.reading() - 3 * dial.scale.graduation;
        const QPointF elsewhere
            = QLineF::fromPolar(dial.markRadius * 0.9, dial.scale.angleOf(away)).translated(dial.centre).p2();
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

void tst_pictures_dials::picturesUseTheirPalette()
{
    const QVector<QRgb> palette = dialPalette();
    QVERIFY(palette.size() <= 256);
    const QImage drawn = drawDialPanel(DialPanels::questionPanel(5));
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

    const QImage gif(written.filePath(QStringLiteral("pictures/cadran5.gif")));
    QCOMPARE(gif.convertToFormat(QImage::Format_RGB32), drawn);
}

void tst_pictures_dials::outputIsDeterministic()
{
    QTemporaryDir again;
    QVERIFY(again.isValid());
    PictureOutput output(again.path(), again.path(), again.path());
    writeDialPictures(output);
    QVERIFY(output.errors().isEmpty());
    for (int panel = DialBank::FirstPanel; panel <= DialBank::LastPanel; ++panel) {
        const QString name = DialBank::panelFile(panel);
        QFile first(written.filePath(QStringLiteral("pictures/") + name));
        QFile second(again.filePath(name));
        QVERIFY(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
        QVERIFY2(first.readAll() == second.readAll(), qPrintable(name));
    }
}

QTEST_MAIN(tst_pictures_dials)
#include "tst_pictures_dials.moc"
