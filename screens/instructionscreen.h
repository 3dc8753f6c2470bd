#pragma once

#include "instructions.h"
#include "sessionscreen.h"

#include <QList>
#include <QString>

class PictureBox;
class QGroupBox;
class QLabel;
class QPushButton;

// "Vous avez 2 minutes ..." for the default limit, else the limit in seconds.
QString timeSentence(qint16 time);

// An instruction screen before a timed test: title, explanation, worked example, time sentence,
// "&Suivant >" to start the test and "Abandon" to quit.
class InstructionScreen : public SessionScreen {
    Q_OBJECT
public:
    InstructionScreen(Forms &forms, const InstructionContent &content);

    PictureBox *Picture2;
    QGroupBox *titleFrame;
    QLabel *Label1;
    QGroupBox *bottomFrame;
    QLabel *Label4;
    QPushButton *Command1;
    QPushButton *Abandon;
    QGroupBox *textFrame;
    QLabel *Label3 = nullptr;
    QGroupBox *exampleFrame = nullptr;
    PictureBox *Picture1 = nullptr;

protected:
    // The label stating the time allowed.
    QLabel *timeSentenceLabel() const { return timeSentenceShown; }

    void Form_Load() override;
    void showEvent(QShowEvent *event) override;
    virtual void Command1_Click();

private:
    void addExample(const InstructionContent::Example &example);
    // Adds the labels to the container and returns them, the time sentence in italics.
    QList<QLabel *> addExplanation(QWidget *container, const std::vector<InstructionContent::Label> &labels);
    void Abandon_Click();

    const InstructionContent &content;
    QLabel *timeSentenceShown = nullptr;
};
