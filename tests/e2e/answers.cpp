// Prints the right answers of a whole pass, in the form the end-to-end script types and clicks
// them: per picture test, the number of the right button of each question (1 = the top or left
// one), per reasoning item, the characters to type, and last the score of it all ("Score 173"). With "digest
// FILE", prints the digest of a picture file's pixels as the watch reports the picture on screen.
#include "picturedigest.h"
#include "testlist.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "digest") == 0) {
        // Image plugins are found through the application.
        QCoreApplication application(argc, argv);
        std::printf("%s\n", qPrintable(pictureDigest(QImage(QString::fromLocal8Bit(argv[2])))));
        return 0;
    }
    for (const TestDescriptor *test : Tests::All) {
        if (!test->bank) {
            for (const ReasoningItems::Item &item : ReasoningItems::Items)
                std::printf("%s %.*s\n", item.screen, int(item.key.size()), item.key.data());
            continue;
        }
        std::printf("%s", test->testScreen);
        for (int question = 1; question <= test->questionCount; ++question)
            std::printf(" %d", test->bank->rightButton(question) + 1);
        std::printf("\n");
    }
    std::printf("Score %d\n", Tests::maximumScore());
    return 0;
}
