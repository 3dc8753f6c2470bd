// Prints the right answers of a whole pass, in the form the end-to-end script types and clicks
// them: per picture test, the number of the right button of each question (1 = the top or left
// one), and per reasoning item, the characters to type. With "digest FILE", prints the digest of
// a picture file's pixels as the watch reports the picture on screen.
#include "dials/dialsbank.h"
#include "lengths/lengthsbank.h"
#include "paths/pathsbank.h"
#include "picturedigest.h"
#include "reasoning/reasoningitems.h"
#include "spatial/spatialbank.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

template <class Numbers> void printLine(const char *screen, const Numbers &numbers)
{
    std::printf("%s", screen);
    for (int number : numbers)
        std::printf(" %d", number);
    std::printf("\n");
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "digest") == 0) {
        // Image plugins are found through the application.
        QCoreApplication application(argc, argv);
        std::printf("%s\n", qPrintable(pictureDigest(QImage(QString::fromLocal8Bit(argv[2])))));
        return 0;
    }
    printLine("Test1", SpatialBank::AnswerValues);
    printLine("Test2", PathsBank::Counts);
    for (const ReasoningItems::Item &item : ReasoningItems::Items)
        std::printf("%s %.*s\n", item.screen, int(item.key.size()), item.key.data());
    printLine("Test4", DialsBank::AnswerKey);
    std::array<int, LengthsBank::QuestionCount> lengthButtons {};
    for (int question = 0; question < LengthsBank::QuestionCount; ++question) {
        const auto &offered = LengthsBank::ChoiceValues[size_t(question)];
        const auto right
            = std::find(offered.begin(), offered.end(), LengthsBank::AnswerKey[size_t(question)]);
        lengthButtons[size_t(question)] = int(std::distance(offered.begin(), right)) + 1;
    }
    printLine("Test5", lengthButtons);
    return 0;
}
