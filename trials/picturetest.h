#pragma once

#include "testdescriptor.h"
#include "timedtest.h"
#include "twips.h"

#include <QList>
#include <QString>

class PictureBox;
class QLabel;
class QPushButton;

// What a picture-and-button test is made of besides its answer buttons.
struct PictureTestContent {
    // Its title and its questions.
    const TestDescriptor &test;
    int titleWidth;
    TwipsPlace picture;
};

// A timed test that shows one picture per question and takes the answer from a row of buttons.
// A click scores the question on screen, then brings the next question, or hands over after the
// last one; there is no going back and no skipping.
class PictureTest : public TimedTest {
    Q_OBJECT
public:
    PictureBox *Picture2;
    QLabel *Label1;
    PictureBox *Picture1;
    // Answer buttons, a control array: index 0 first.
    QList<QPushButton *> Command2;

    // Right answer of question n at n - 1.
    QList<int> AnswerKey;
    // The question on screen, from 1.
    int QuestionNumber = 0;

    void Command2_Click(int index);

    // Its questions, their pictures and the button that answers each.
    const QuestionBank &bank() const { return *content.test.bank; }

protected:
    PictureTest(Forms &forms, const PictureTestContent &content);

    QPushButton *addAnswerButton(const QString &caption, int left, int top, int width, int height);
    void placeClock(int left, int top);

    // Form_Load's own part: the question tables, built after the logo and before the clock starts.
    virtual void buildTables() = 0;
    // Whether the button with this index carries the answer to the question on screen.
    virtual bool isRight(int index) const;
    // Brings the texts of the screen to the question now on screen, once its picture is shown.
    virtual void showQuestion() { }
    // What a screen reader says of the picture of a question; the picture itself has no text.
    virtual QString pictureName(int question) const;
    // Shows the next screen, then unloads this one.
    virtual void handOver();

    void Form_Load() override;
    void timeOut() override;

private:
    void showNextQuestion();
    void stopOnUnreadablePicture(const QString &file, const QString &error);

    PictureTestContent content;
    QString firstPictureError;
};
