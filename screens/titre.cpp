#include "titre.h"

#include "controls.h"
#include "forms.h"
#include "moduleimages.h"
#include "picturebox.h"
#include "timelimit.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

Titre::Titre(Forms &forms)
    : Form(forms, 11910, 9225)
{
    const QFont welcome = sansFont(13.5, true);

    Frame2 = makeFrame(this, "Frame2", QString(), 2520, 480, 8670, 1095);
    Label1 = makeLabel(Frame2, "Label1", QStringLiteral("Simulation de Sélection Pilotes"), 240, 240, 8190,
        615, sansFont(24, true));
    Label1->setAlignment(Qt::AlignCenter);

    Picture2 = makeLogoBox(this, 720, 780);

    Frame3 = makeFrame(this, "Frame3", QString(), 720, 1920, 4095, 4575);
    Picture1 = makePictureBox(Frame3, "Picture1", 480, 960, 3030, 2010);
    Picture1->setAutoSize(true);
    Picture1->setBorder(false);

    Frame1 = makeFrame(this, "Frame1", QString(), 5040, 1920, 6150, 4575);
    Label10 = makeLabel(Frame1, "Label10", QStringLiteral("   Bonjour !"), 240, 240, 5670, 375, welcome);
    Label9 = makeLabel(Frame1, "Label9",
        QStringLiteral(
            "   Le but de ce test est de vous donner un aperçu des épreuves de sélection des Elèves "
            "Pilotes de Ligne à l'Ecole Valdor."),
        240, 840, 5670, 1815, welcome);
    Label8 = makeLabel(Frame1, "Label8",
        QStringLiteral("   Ce court exercice (10 min. environ) vous permettra de voir comment on peut tenter "
                       "d'évaluer vos capacités."),
        240, 2160, 5670, 1815, welcome);

    Frame4 = makeFrame(this, "Frame4", QString(), 720, 6720, 10470, 975);
    Label4 = makeLabel(Frame4, "Label4", QStringLiteral("Cliquez sur Suivant pour continuer."), 240, 360,
        6000, 375, sansFont(8.25, true));
    Command1 = makeButton(Frame4, "Command1", QStringLiteral("&Suivant >"), 8880, 300, 1335, 435);

    Abandon = makeButton(this, "Abandon", QStringLiteral("Abandon"), 9855, 8160, 1335, 435);

    // "&Suivant >" comes first in the tab order: it has the focus when the screen opens.
    setTabOrder(Command1, Abandon);
    Command1->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &Titre::Command1_Click);
    connect(Abandon, &QPushButton::clicked, this, &Titre::Abandon_Click);
}

void Titre::Form_Load()
{
    ShowTitleImage(*this);
    ShowLogo(*this);
    Time = DefaultTimeLimit;
    Score = 0;
    BestScore = 0;
    BestScoreOwner = QStringLiteral("tout le monde");
}

void Titre::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    Command1->setFocus();
}

bool Titre::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Command1 && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent *>(event);
        Command1_KeyDown(key->key(), key->modifiers());
    }
    return Form::eventFilter(watched, event);
}

void Titre::Command1_Click()
{
    Prenom = forms.inputBox(this, QStringLiteral("Veuillez entrer votre prénom (obligatoire) :"),
        QStringLiteral("Votre prénom"), QString());
    if (Prenom.isEmpty()) {
        End();
        return;
    }
    showNext();
    Hide();
}

void Titre::Command1_KeyDown(int keyCode, Qt::KeyboardModifiers)
{
    if (keyCode != Qt::Key_F5)
        return;
    const QString answer = forms.inputBox(this, QStringLiteral("Nouveau temps limite :"),
        QStringLiteral("Nouvelle valeur de la limite de temps"), QString::number(DefaultTimeLimit));
    // Cancel or an empty answer keeps the limit in force without a word.
    if (answer.isEmpty())
        return;
    if (const auto limit = parseTimeLimit(answer)) {
        Time = *limit;
        return;
    }
    forms.showMessage(this,
        QStringLiteral("La valeur « %1 » n'est pas acceptée : la limite de temps reste de %2 "
                       "secondes.")
            .arg(answer, QString::number(Time)));
}

void Titre::Abandon_Click()
{
    Unload();
    End();
}
