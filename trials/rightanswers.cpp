#include "rightanswers.h"

#include "dials/dialbank.h"
#include "lengths/lengthtable.h"
#include "paths/pathtable.h"
#include "picturetest.h"
#include "spatial/spatialkey.h"

#include <QPushButton>

int rightButtonOf(const PictureTest &test)
{
    const QString screen = test.objectName();
    const int index = test.QuestionNumber - 1;
    if (screen == QLatin1String("Test1"))
        return SpatialKey::AnswerValues[index] - 1;
    if (screen == QLatin1String("Test2"))
        return PathTable::Counts[index] - 1;
    if (screen == QLatin1String("Test4"))
        return DialBank::AnswerKey[index] - 1;
    // The length test's buttons carry their value as caption.
    const QString right = QString::number(LengthTable::AnswerKey[index]);
    for (int button = 0; button < test.Command2.size(); ++button) {
        if (test.Command2.at(button)->text() == right)
            return button;
    }
    return -1;
}
