#pragma once

#include "form.h"
#include "timelimit.h"

#include <QString>

class PictureBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The start-up screen. It welcomes the candidate, asks for a first name, and holds the session
// variables for the whole run: it is hidden between passes, never unloaded.
class Titre : public Form {
    Q_OBJECT
public:
    explicit Titre(Forms &forms);

    // Session variables.
    qint16 Score = 0;
    qint16 BestScore = 0;
    qint16 Time = DefaultTimeLimit; // seconds allowed to each timed test
    QString Prenom;
    QString BestScoreOwner;

    QPushButton *Abandon;
    QGroupBox *Frame2;
    QLabel *Label1;
    PictureBox *Picture2;
    QGroupBox *Frame3;
    PictureBox *Picture1;
    QGroupBox *Frame4;
    QPushButton *Command1;
    QLabel *Label4;
    QGroupBox *Frame1;
    QLabel *Label10;
    QLabel *Label9;
    QLabel *Label8;

protected:
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Command1_Click();
    void Command1_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void Abandon_Click();
};
