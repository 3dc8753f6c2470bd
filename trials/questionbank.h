#pragma once

#include <QString>

// What a picture-and-button test asks, as its screen, the picture generator, the start-up check
// and the tests all read it. Each test's own table holds the key and the values offered; the
// bank tells where they lead.
struct QuestionBank {
    int questionCount;
    // Question 1's picture, stored with the screen, and the file read for question n from 2 on.
    QString (*embeddedPicture)();
    QString (*pictureFile)(int question);
    // The button (from 0, in the order of the screen) that carries the right answer to
    // question n (from 1).
    int (*rightButton)(int question);
};
