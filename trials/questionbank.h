#pragma once

#include <QString>

#include <cstddef>

// What a picture-and-button test asks, as its screen, the picture generator, the start-up check
// and the tests all read it. Each test's own table holds the key and the values offered; the
// bank tells where they lead.
struct QuestionBank {
    int questionCount;
    // Question 1's picture, stored with the screen ("spatial1.jpg").
    const char *embeddedFile;
    // The files read by bare name from question 2 on: the stem and a number ("image" for image2.gif).
    const char *fileStem;
    // The button (from 0, in the order of the screen) that carries the right answer to
    // question n (from 1).
    int (*rightButton)(int question);
    // The number in the name of question n's file; none: n itself.
    int (*fileNumber)(int question) = nullptr;
    // A picture stored with the program only for the instruction screen's example
    // ("exemple-cadran.jpg"); none for most tests.
    const char *exampleFile = nullptr;

    QString embeddedPicture() const { return QString::fromLatin1(embeddedFile); }
    // The file of that number: "image7.gif".
    QString numberedFile(int number) const
    {
        return QStringLiteral("%1%2.gif").arg(QLatin1String(fileStem)).arg(number);
    }
    // The file read for question n, from 2 on.
    QString pictureFile(int question) const
    {
        return numberedFile(fileNumber ? fileNumber(question) : question);
    }
};

// The right button of a test whose key numbers the buttons from 1, in the order of the screen.
template <const auto &Key> constexpr int keyedButton(int question)
{
    return Key[std::size_t(question - 1)] - 1;
}
