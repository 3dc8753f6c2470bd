#include "pathtable.h"

namespace PathTable {

const std::array<char, QuestionCount> Directions = {
    'R', 'L', 'R', 'R', 'L', 'L', 'R', 'L', 'L', 'L', // 1 to 10
    'L', 'L', 'R', 'L', 'R', 'R', 'L', 'R', 'R', 'L', // 11 to 20
    'L', 'L', 'R', 'R', 'L', 'L', 'R', 'R', 'L', 'L', // 21 to 30
};

const std::array<int, QuestionCount> Counts = {
    4, 3, 4, 2, 3, 4, 6, 6, 5, 6, // 1 to 10
    5, 4, 4, 5, 6, 4, 6, 4, 5, 6, // 11 to 20
    4, 4, 6, 5, 4, 4, 6, 4, 4, 6, // 21 to 30
};

QString pictureFile(int question)
{
    return QStringLiteral("chemin%1.gif").arg(question);
}

QString embeddedPicture()
{
    return QStringLiteral("chemin1.jpg");
}

namespace {

// The buttons read "1" to "8".
int rightButton(int question)
{
    return Counts[size_t(question - 1)] - 1;
}

} // namespace

const QuestionBank Bank { QuestionCount, embeddedPicture, pictureFile, rightButton };

} // namespace PathTable
