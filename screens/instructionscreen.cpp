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

namespace {

// Makes each label of a column as tall as its text (never less than designed) and moves it down
// from its designed top only as far as the one above reaches, so no text runs into the next
// whatever the font found.
void stackLabels(const QList<QLabel *> &labels)
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

QGroupBox *frameAt(QWidget *parent, const char *name, const QString &caption, const TwipsPlace &place)
{
    return makeFrame(parent, name, caption, place.left, place.top, place.width, place.height);
}

} // namespace

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
    Label1 = makeLabel(titleFrame, "Label1", QString::fromUtf8(content.test.instructionTitle), 120, 240, 7575,
        615, sansFont(24, true));
    Label1->setAlignment(Qt::AlignCenter);

    bottomFrame = makeFrame(this, "bottomFrame", QString(), 720, 7440, 8520, 855);
    Label4 = makeLabel(bottomFrame, "Label4", QStringLiteral("Cliquez sur Suivant pour commencer le test."),
        240, 330, 5400, 300, sansFont(8.25, true));
    Command1 = makeButton(bottomFrame, "Command1", QStringLiteral("&Suivant >"), 6960, 240, 1335, 435);
    Abandon = makeButton(this, "Abandon", QStringLiteral("Abandon"), 9480, 7680, 1335, 435);

    if (content.example.resource)
        addExample(content.example);

    textFrame = frameAt(this, "textFrame", QString(), content.textFrame);
    QList<QLabel *> column = addExplanation(textFrame, content.explanation);
    if (content.goodLuckTop > 0) {
        Label3 = makeLabel(textFrame, "Label3", QStringLiteral("BONNE CHANCE !"), 240, content.goodLuckTop,
            4575, 495, sansFont(18, true));
        column.append(Label3);
    }
    stackLabels(column);

    setTabOrder(Command1, Abandon);
    connect(Command1, &QPushButton::clicked, this, &InstructionScreen::Command1_Click);
    connect(Abandon, &QPushButton::clicked, this, &InstructionScreen::Abandon_Click);
}

void InstructionScreen::addExample(const InstructionContent::Example &example)
{
    exampleFrame = frameAt(this, "exampleFrame", QStringLiteral("Exemple"), example.frame);
    const TwipsPlace &place = example.picture;
    // A box of its own size takes the picture's once it has it.
    const bool ownSize = place.width == 0;
    Picture1 = makePictureBox(exampleFrame, "Picture1", place.left, place.top, ownSize ? 1515 : place.width,
        ownSize ? 1005 : place.height);
    Picture1->setAutoSize(ownSize);
    const QString resource = QString::fromLatin1(example.resource);
    QString error;
    const QImage picture = Pictures::embedded(resource, &error);
    // Stored with the program: only a broken build lacks it, and the explanation still reads.
    if (picture.isNull())
        qWarning("%s : %s", qPrintable(resource), qPrintable(error));
    Picture1->setPicture(picture, resource);
    // After the picture: the box keeps the room its border took.
    Picture1->setBorder(example.border);

    for (const InstructionContent::Label &caption : example.captions) {
        makeLabel(exampleFrame, caption.name, QString::fromUtf8(caption.text), caption.place.left,
            caption.place.top, caption.place.width, caption.place.height, sansFont(8.25, true));
    }
    for (const InstructionContent::Line &line : example.lines)
        makeLine(exampleFrame, line.name, line.x1, line.y1, line.x2, line.y2);
    stackLabels(addExplanation(exampleFrame, example.explanation));
}

QList<QLabel *> InstructionScreen::addExplanation(
    QWidget *container, const std::vector<InstructionContent::Label> &labels)
{
    QList<QLabel *> added;
    for (const InstructionContent::Label &label : labels) {
        const bool isTimeSentence = !label.text;
        QLabel *made = makeLabel(container, label.name, QString::fromUtf8(label.text), label.place.left,
            label.place.top, label.place.width, label.place.height, explanationFont(isTimeSentence));
        if (isTimeSentence)
            timeSentenceShown = made;
        added.append(made);
    }
    return added;
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
    timeSentenceShown->setText(timeSentence(titre().Time));
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
