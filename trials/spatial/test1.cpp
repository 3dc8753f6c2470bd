#include "test1.h"

#include "spatialbank.h"

Test1::Test1(Forms &forms)
    : PictureTest(
        forms, { .test = SpatialBank::Test, .titleWidth = 8175, .picture = { 1800, 2160, 3960, 5160 } })
{
    placeClock(7380, 2880);
    // "&A" to "&E": Alt and the letter answer like a click.
    for (int index = 0; index < SpatialBank::ChoiceCount; ++index) {
        const QChar letter = QLatin1Char(SpatialBank::letterOf(index + 1));
        addAnswerButton(QStringLiteral("&") + letter, 7680, 3840 + 600 * index, 1215, 495);
    }
}

void Test1::buildTables()
{
    AnswerKey = QList<int>(SpatialBank::AnswerValues.begin(), SpatialBank::AnswerValues.end());
}
