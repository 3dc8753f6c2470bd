#include "spatialkey.h"

namespace SpatialKey {

const std::array<int, QuestionCount> AnswerValues = {
    5, 3, 1, 4, 2, 1, 4, 2, 4, 2, // 1 to 10
    5, 3, 4, 5, 1, 3, 4, 1, 1, 3, // 11 to 20
    5, 1, 4, 4, 2, 1, 1, 3, 1, 3, // 21 to 30
    3, 4, 5, 5, 2, 2, 5, 2, 2, 4, // 31 to 40
    5, 2, 1, 1, 1, 3, 5, 4, 2, 3, // 41 to 50
    2, 2, 3, 2, 2, 5, 4, 5, 2, 4, // 51 to 60
};

QString pictureFile(int question)
{
    return QStringLiteral("image%1.gif").arg(question);
}

QString embeddedPicture()
{
    return QStringLiteral("spatial1.jpg");
}

namespace {

// The buttons read "A" to "E", from the top.
int rightButton(int question)
{
    return AnswerValues[size_t(question - 1)] - 1;
}

} // namespace

const QuestionBank Bank { QuestionCount, embeddedPicture, pictureFile, rightButton };

} // namespace SpatialKey
