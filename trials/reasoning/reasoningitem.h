#pragma once

#include "sessionscreen.h"

#include <QList>
#include <QString>

namespace ReasoningItems {
struct Item;
}
class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// One item of the reasoning test: the puzzle of its table entry, answer boxes of one character
// each that the focus runs through by itself, and "&Suivant >" that scores the item and hands
// over; the last item ends the test. The clock is Presentation3's, which writes the time left
// into Horloge.
class ReasoningItem : public SessionScreen {
    Q_OBJECT
public:
    PictureBox *Picture2;
    QLabel *Label1;
    QLabel *Horloge;
    QLabel *Label4;
    QGroupBox *Frame1 = nullptr; // the puzzle's own frame, on the items that have one
    QList<QLabel *> captions; // the puzzle text, in the order of the table
    QList<QLineEdit *> Text2;
    QPushButton *Command2;

    const ReasoningItems::Item &item() const { return content; }
    // Every box holds its key character; letters may be typed in either case.
    bool isRight() const;
    // Closes the item unanswered, its boxes not examined, for the screen the chain names after
    // a time-out.
    void timeOut();

    ReasoningItem(Forms &forms, const ReasoningItems::Item &item);

protected:
    void Form_Load() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Text2_Change(int index);
    void Text2_Click(int index);
    void Command2_Click();

    void layOutPuzzle();

    const ReasoningItems::Item &content;
};
