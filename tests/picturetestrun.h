#pragma once

// A picture-and-button test driven the way a candidate takes it, on small picture files of its own.
#include "testsupport.h"

#include "form.h"
#include "gifwriter.h"
#include "pictures.h"
#include "picturetest.h"
#include "titre.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// What a test looks like from outside: its question bank, and the screen the chain names after it.
struct TestShape {
    QString screen;
    QString next;
    const QuestionBank *bank = nullptr;
    int questions = 0;
    QString firstPicture;

    QString file(int question) const { return bank->pictureFile(question); }
    // The number in the name of the question's picture file: the dial test shows five questions
    // to a panel, from panel 2.
    int fileNumber(int question) const
    {
        return QRegularExpression(QStringLiteral("\\d+")).match(file(question)).captured().toInt();
    }
};

// The button a candidate who knows the key would click on the question on screen.
inline int rightButtonOf(const PictureTest &test)
{
    return test.bank().rightButton(test.QuestionNumber);
}

// Each picture file is as wide as its number plus ten pixels: the picture on screen tells which
// file it came from.
inline int pictureWidth(int fileNumber)
{
    return 10 + fileNumber;
}

inline bool writePicture(const QString &path, int fileNumber)
{
    QImage picture(pictureWidth(fileNumber), 4, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QString error;
    return writeGif(path, picture, { qRgb(255, 255, 255) }, &error);
}

// What the screen after the test saw when it loaded.
struct Arrival {
    int loads = 0;
    bool testClockRunning = false;
};

class NextScreen : public Form {
public:
    NextScreen(Forms &forms, QString test, Arrival &arrival)
        : Form(forms, 11415, 8820)
        , test(std::move(test))
        , arrival(arrival)
    {
    }

protected:
    void Form_Load() override
    {
        ++arrival.loads;
        if (auto running = qobject_cast<TimedTest *>(forms.find(test)))
            arrival.testClockRunning = running->Timer1->isActive();
    }

private:
    QString test;
    Arrival &arrival;
};

// One candidate on one test: the whole program, the test's pictures in a folder of their own, and
// a stand-in for the next screen unless the real one is wanted.
class TestRun {
public:
    enum NextScreenKind { StandIn, Real };

    explicit TestRun(const QString &screen, NextScreenKind kind = StandIn)
    {
        shape.screen = screen;
        shape.next = h.forms.nextOf(h.forms.idOf(screen));
        // The decoration first, or every screen would complain of its absence.
        bool written = writePicture(folder.filePath("Logo.gif"), 0);
        QImage title(8, 8, QImage::Format_RGB32);
        title.fill(Qt::white);
        written &= title.save(folder.filePath("Image.jpg"));
        Pictures::setProgramFolders({ folder.path() });
        if (kind == StandIn) {
            h.replaceScreen(shape.next,
                [this](Forms &forms) -> Form * { return new NextScreen(forms, shape.screen, arrival); });
        }
        h.start();
        titre = &h.titre();
        test = qobject_cast<PictureTest *>(h.showAlone(shape.screen));
        if (test) {
            shape.bank = &test->bank();
            shape.questions = shape.bank->questionCount;
            shape.firstPicture = ":/assets/" + shape.bank->embeddedPicture();
            // Read from question 2 on, once answered.
            for (int question = 2; question <= shape.questions + 1; ++question)
                written &= writePicture(folder.filePath(shape.file(question)), shape.fileNumber(question));
        }
        ready = written && test;
    }

    // Whether the pictures were written and the test is on screen: the test checks it first.
    bool isReady() const { return ready; }

    QString path(int question) const { return folder.filePath(shape.file(question)); }

    int rightButton() const { return rightButtonOf(*test); }
    int wrongButton() const { return (rightButton() + 1) % test->Command2.size(); }

    void click(int button) { QTest::mouseClick(test->Command2.at(button), Qt::LeftButton); }
    void answer(bool right) { click(right ? rightButton() : wrongButton()); }
    // Answers until the question is on screen; false when the test ended on the way.
    bool answerUpTo(int question, bool right)
    {
        while (test->isLoaded() && test->QuestionNumber < question)
            answer(right);
        return test->isLoaded() && test->QuestionNumber == question;
    }

    QStringList captions() const
    {
        QStringList texts;
        for (const QPushButton *button : test->Command2)
            texts.append(button->text());
        return texts;
    }
    QString label3() const
    {
        const auto label = test->findChild<QLabel *>("Label3");
        return label ? label->text() : QString();
    }

    TestShape shape;
    QTemporaryDir folder;
    Arrival arrival;
    Harness h;
    Titre *titre = nullptr;
    PictureTest *test = nullptr;

private:
    bool ready = false;
};
