#include "resultats.h"

#include "clock.h"
#include "controls.h"
#include "forms.h"
#include "moduleimages.h"
#include "picturebox.h"
#include "titre.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int SuperFromScore = 60;
// A candidate tapping a key through the computation screen goes on tapping until they see the
// results: about half a second to notice and stop. Nobody reads the score and decides to start
// again that fast.
constexpr double KeyDeafSeconds = 1.0;
}

Resultats::Resultats(Forms &forms)
    : SessionScreen(forms, 11385, 8790)
{
    Picture2 = makeLogoBox(this, 2400, 480);
    Frame4 = makeFrame(this, "Frame4", QString(), 4320, 360, 5535, 1095);
    Label4
        = makeLabel(Frame4, "Label4", QStringLiteral("Résultats"), 120, 240, 5295, 615, sansFont(24, true));
    Label4->setAlignment(Qt::AlignCenter);

    Frame1 = makeFrame(this, "Frame1", QStringLiteral("Résultats"), 1200, 2040, 9000, 2895);
    const QFont large = sansFont(18);
    Label1 = makeLabel(Frame1, "Label1", QString(), 360, 480, 8295, 975, large);
    Label3 = makeLabel(Frame1, "Label3", QStringLiteral("Votre score est de :"), 360, 1800, 4455, 495, large);
    Label2 = makeLabel(Frame1, "Label2", QString(), 4920, 1800, 2055, 495, large);

    Label5 = makeLabel(this, "Label5", QString(), 1200, 5280, 9000, 1215, sansFont(13.5));

    Command1 = makeButton(this, "Command1", QStringLiteral("Recommencer"), 2760, 7080, 2055, 495);
    Sortie = makeButton(this, "Sortie", QStringLiteral("Sortir"), 6600, 7080, 2055, 495);
    connect(Command1, &QPushButton::clicked, this, &Resultats::Command1_Click);
    connect(Sortie, &QPushButton::clicked, this, &Resultats::Sortie_Click);
    for (QPushButton *button : { Command1, Sortie })
        button->installEventFilter(this);
}

void Resultats::Form_Load()
{
    keysFrom = forms.clock().now() + KeyDeafSeconds;
    ShowLogo(*this);
    Titre &session = titre();
    const QString remark
        = session.Score >= SuperFromScore ? QStringLiteral("Super, ") : QStringLiteral("Pas mal, ");
    Label1->setText(remark + session.Prenom + QStringLiteral(" !"));
    Label2->setText(QString::number(session.Score));
    if (session.Score > session.BestScore) {
        session.BestScore = session.Score;
        session.BestScoreOwner = session.Prenom;
    }
    Label5->setText(QStringLiteral("Sur cette machine, lors de cette session, le meilleur score est de ")
        + QString::number(session.BestScore) + QStringLiteral(" et a été obtenu par ")
        + session.BestScoreOwner + QStringLiteral("."));
}

bool Resultats::eventFilter(QObject *watched, QEvent *event)
{
    // A press swallowed here never puts the button down, so its release clicks nothing either.
    if (event->type() == QEvent::KeyPress && forms.clock().now() < keysFrom)
        return true;
    return SessionScreen::eventFilter(watched, event);
}

void Resultats::Command1_Click()
{
    titre().Score = 0;
    showNext(); // the title screen, hidden since the first pass, never unloaded
    Unload();
}

void Resultats::Sortie_Click()
{
    Unload();
    End();
}
