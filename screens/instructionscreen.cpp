#include "instructionscreen.h"

#include "controls.h"
#include "forms.h"
#include "moduleimages.h"
#include "picturebox.h"
#include "pictures.h"
#include "timedtest.h"
#include "timelimit.h"
#include "titre.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

QString timeSentence(qint16 time)
{
    if (time == DefaultTimeLimit)
        return QStringLiteral("Vous avez 2 minutes pour trouver le plus possible de bonnes réponses.");
    return QStringLiteral("Vous avez ") + QString::number(time)
        + QStringLiteral(" secondes pour trouver le plus possible de bonnes réponses.");
}

InstructionScreen::InstructionScreen(Forms &forms, const InstructionContent &content)
    : SessionScreen(forms, 11415, 8820)
    , content(content)
{
    Picture2 = makeLogoBox(this, content.logoLeft, content.logoTop);

    titleFrame = makeFrame(this, "titleFrame", QString(), 2880, 360, 7815, 1095);
    Label1 = makeLabel(
        titleFrame, "Label1", QString::fromUtf8(content.title), 120, 240, 7575, 615, sansFont(24, true));
    Label1->setAlignment(Qt::AlignCenter);

    bottomFrame = makeFrame(this, "bottomFrame", QString(), 720, 7440, 8520, 855);
    Label4 = makeLabel(bottomFrame, "Label4", QStringLiteral("Cliquez sur Suivant pour commencer le test."),
        240, 330, 5400, 300, sansFont(8.25, true));
    Command1 = makeButton(bottomFrame, "Command1", QStringLiteral("&Suivant >"), 6960, 240, 1335, 435);
    Abandon = makeButton(this, "Abandon", QStringLiteral("Abandon"), 9480, 7680, 1335, 435);

    setTabOrder(Command1, Abandon);
    connect(Command1, &QPushButton::clicked, this, &InstructionScreen::Command1_Click);
    connect(Abandon, &QPushButton::clicked, this, &InstructionScreen::Abandon_Click);
}

void InstructionScreen::addExample(
    int left, int top, int width, int height, const QString &resource, int pictureLeft, int pictureTop)
{
    exampleFrame = makeFrame(this, "exampleFrame", QStringLiteral("Exemple"), left, top, width, height);
    Picture1 = makePictureBox(exampleFrame, "Picture1", pictureLeft, pictureTop, 1515, 1005);
    Picture1->setAutoSize(true);
    QString error;
    const QImage example = Pictures::embedded(resource, &error);
    // Stored with the program: only a broken build lacks it, and the explanation still reads.
    if (example.isNull())
        qWarning("%s : %s", qPrintable(resource), qPrintable(error));
    Picture1->setPicture(example, resource);
}

QLabel *InstructionScreen::addExplanation(
    QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height)
{
    return makeLabel(parent, name, text, left, top, width, height, explanationFont());
}

QLabel *InstructionScreen::addTimeSentence(
    QWidget *parent, const char *name, int left, int top, int width, int height)
{
    timeSentenceLabel = makeLabel(parent, name, QString(), left, top, width, height, explanationFont(true));
    return timeSentenceLabel;
}

void InstructionScreen::addGoodLuck(QWidget *parent, int left, int top)
{
    Label3 = makeLabel(
        parent, "Label3", QStringLiteral("BONNE CHANCE !"), left, top, 4575, 495, sansFont(18, true));
}

void InstructionScreen::stackLabels(std::initializer_list<QLabel *> labels)
{
    // About half a line, as the designed columns leave between two paragraphs.
    constexpr int Spacing = 6;
    int free = 0;
    for (QLabel *label : labels) {
        const int top = std::max(label->y(), free);
        const int height = std::max(label->height(), label->heightForWidth(label->width()));
        label->setGeometry(label->x(), top, label->width(), height);
        free = top + height + Spacing;
    }
}

void InstructionScreen::Form_Load()
{
    ShowLogo(*this);
    // The test that has just ended is still loaded: it unloads itself only after this screen
    // is shown, so its clock must not tick into the instructions.
    if (!content.stopsClockOf)
        return;
    if (auto test = qobject_cast<TimedTest *>(forms.find(QString::fromLatin1(content.stopsClockOf))))
        test->Timer1->stop();
}

void InstructionScreen::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    // Written at each showing rather than once at load: a screen that stays loaded between
    // passes must still state the limit set on the title screen since.
    timeSentenceLabel->setText(timeSentence(titre().Time));
}

void InstructionScreen::Command1_Click()
{
    showNext();
    Unload();
}

void InstructionScreen::Abandon_Click()
{
    Unload();
    End();
}
