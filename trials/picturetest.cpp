#include "picturetest.h"

#include "controls.h"
#include "forms.h"
#include "moduleimages.h"
#include "picturebox.h"
#include "pictures.h"
#include "titre.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

PictureTest::PictureTest(Forms &forms, const PictureTestContent &content)
    : TimedTest(forms, 11415, 8820)
    , content(content)
{
    Picture2 = makeLogoBox(this, 720, 360);
    Label1 = makeLabel(this, "Label1", QString::fromUtf8(content.test.testTitle), 2400, 480, content.titleWidth, 615,
        sansFont(24, true));
    Label1->setWordWrap(false);
    growToFit(Label1);
    Picture1 = makePictureBox(this, "Picture1", content.picture.left, content.picture.top,
        content.picture.width, content.picture.height);
    const QString firstPicture = QStringLiteral(":/assets/") + bank().embeddedPicture();
    Picture1->setPicture(Pictures::embedded(firstPicture, &firstPictureError), firstPicture);
}

QPushButton *PictureTest::addAnswerButton(const QString &caption, int left, int top, int width, int height)
{
    const int index = Command2.size();
    const QByteArray name = "Command2[" + QByteArray::number(index) + ']';
    QPushButton *button = makeButton(this, name.constData(), caption, left, top, width, height);
    connect(button, &QPushButton::clicked, this, [this, index] { Command2_Click(index); });
    Command2.append(button);
    return button;
}

void PictureTest::placeClock(int left, int top)
{
    Horloge->move(px(left), px(top));
}

void PictureTest::Form_Load()
{
    ShowLogo(*this);
    if (Picture1->picture().isNull()) {
        stopOnUnreadablePicture(Picture1->sourceName(), firstPictureError);
        return;
    }
    buildTables();
    QuestionNumber = 1;
    Picture1->setAccessibleName(pictureName(QuestionNumber));
    startClock();
}

void PictureTest::Command2_Click(int index)
{
    // A click that was queued behind the hand-over (a double click on the last answer, a click
    // racing the time-out) or that comes under the error message counts for nothing.
    if (!isLoaded())
        return;
    if (isRight(index))
        ++titre().Score;
    if (QuestionNumber < bank().questionCount)
        showNextQuestion();
    else
        handOver();
}

bool PictureTest::isRight(int index) const
{
    return AnswerKey.at(QuestionNumber - 1) == index + 1;
}

void PictureTest::showNextQuestion()
{
    const int next = QuestionNumber + 1;
    const QString file = bank().pictureFile(next);
    QString error;
    const QImage picture = Pictures::load(file, &error);
    if (picture.isNull()) {
        // The question stays as it is.
        stopOnUnreadablePicture(file, error);
        return;
    }
    QuestionNumber = next;
    Picture1->setPicture(picture, file);
    Picture1->setAccessibleName(pictureName(next));
    showQuestion();
}

QString PictureTest::pictureName(int question) const
{
    return QStringLiteral("Question %1 sur %2")
        .arg(QString::number(question), QString::number(bank().questionCount));
}

void PictureTest::handOver()
{
    showNext();
    Unload();
}

void PictureTest::timeOut()
{
    handOver();
}

void PictureTest::stopOnUnreadablePicture(const QString &file, const QString &error)
{
    // Better an orderly end than a question without its picture.
    forms.fatalError(QStringLiteral("Impossible de lire l'image « %1 » (%2). Le programme va s'arrêter.")
                         .arg(file, error));
}
