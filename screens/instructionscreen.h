#pragma once

#include "sessionscreen.h"

#include <QString>

#include <initializer_list>

class PictureBox;
class QGroupBox;
class QLabel;
class QPushButton;

// "Vous avez 2 minutes ..." for the default limit, else the limit in seconds.
QString timeSentence(qint16 time);

// What an instruction screen is made of besides its own explanation labels.
struct InstructionContent {
    const char *title;
    int logoLeft;
    int logoTop;
    // The timed test before this screen, whose clock stops as it loads; null when none.
    const char *stopsClockOf = nullptr;
};

// An instruction screen before a timed test: title, explanation, worked example, time sentence,
// "&Suivant >" to start the test and "Abandon" to quit.
class InstructionScreen : public SessionScreen {
    Q_OBJECT
public:
    PictureBox *Picture2;
    QGroupBox *titleFrame;
    QLabel *Label1;
    QGroupBox *bottomFrame;
    QLabel *Label4;
    QPushButton *Command1;
    QPushButton *Abandon;
    QGroupBox *exampleFrame = nullptr;
    PictureBox *Picture1 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label3 = nullptr;

protected:
    InstructionScreen(Forms &forms, const InstructionContent &content);

    // The "Exemple" frame and its picture stored with the screen, in twips.
    void addExample(
        int left, int top, int width, int height, const QString &resource, int pictureLeft, int pictureTop);
    QLabel *addExplanation(
        QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height);
    // The label stating the time allowed: it follows the limit in force at each showing.
    QLabel *addTimeSentence(QWidget *parent, const char *name, int left, int top, int width, int height);
    void addGoodLuck(QWidget *parent, int left, int top);
    // Makes each label of a column as tall as its text (never less than designed) and moves it
    // down from its designed top only as far as the one above reaches, so no text runs into the
    // next whatever the font found.
    static void stackLabels(std::initializer_list<QLabel *> labels);

    void Form_Load() override;
    void showEvent(QShowEvent *event) override;
    virtual void Command1_Click();

private:
    void Abandon_Click();

    InstructionContent content;
    QLabel *timeSentenceLabel = nullptr;
};
