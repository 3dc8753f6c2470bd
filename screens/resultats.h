#pragma once

#include "sessionscreen.h"

class PictureBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The last screen of a pass: greeting, score, best score of the run, restart or quit.
class Resultats : public SessionScreen {
    Q_OBJECT
public:
    explicit Resultats(Forms &forms);

    PictureBox *Picture2;
    QGroupBox *Frame4;
    QLabel *Label4;
    QGroupBox *Frame1;
    QLabel *Label1;
    QLabel *Label3;
    QLabel *Label2;
    QLabel *Label5;
    QPushButton *Command1;
    QPushButton *Sortie;

protected:
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Command1_Click();
    void Sortie_Click();

    // Keys pressed before this moment were meant for the wait, not for these buttons.
    double keysFrom = 0;
};
