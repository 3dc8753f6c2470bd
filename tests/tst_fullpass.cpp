// Whole passes through the chain of screens, with the pictures the build draws.
#include "picturetestrun.h"
#include "testsupport.h"

#include "calcul1.h"
#include "instructionscreen.h"
#include "picturetest.h"
#include "reasoning/presentation3.h"
#include "reasoning/reasoningitem.h"
#include "reasoning/reasoningitems.h"
#include "resultats.h"
#include "testlist.h"
#include "titre.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

// A candidate who double-clicks leaves each screen with a double click on the button that does.
enum class Candidate { AllRight, AllRightDoubleClicking, AllWrong, TimesOut };

class FullPass {
public:
    FullPass(Harness &h, Candidate candidate)
        : h(h)
        , candidate(candidate)
    {
    }

    // Walks from the title screen to the results; returns false if the chain got stuck.
    bool walk(const QString &name)
    {
        h.answers.append(name);
        if (!clickButton(&h.titre(), "Command1"))
            return false;
        for (int steps = 0; steps < 1000; ++steps) {
            const QStringList visible = h.forms.visibleNames();
            if (visible.size() != 1)
                return false;
            const QString screen = visible.first();
            visited.append(screen);
            if (screen == "Resultats")
                return true;
            Form *form = h.forms.find(screen);
            bool done = true;
            if (auto test = qobject_cast<PictureTest *>(form))
                done = answer(test);
            else if (auto item = qobject_cast<ReasoningItem *>(form))
                done = answer(screen, item);
            else if (auto calcul = qobject_cast<Calcul1 *>(form))
                waitFor(calcul);
            else // an instruction screen
                done = leave(form->findChild<QAbstractButton *>("Command1"));
            if (!done)
                return false;
            Harness::flushDeletes();
        }
        return false;
    }

    QStringList visited;

private:
    // Each step returns false when the screen did not behave as a candidate expects.
    bool answer(PictureTest *test)
    {
        if (candidate == Candidate::TimesOut)
            return runOut([test] { test->Timer1_Timer(); }, test->Horloge);
        const int right = rightButtonOf(*test);
        const int index = candidate == Candidate::AllWrong ? (right + 1) % test->Command2.size() : right;
        if (test->QuestionNumber == test->AnswerKey.size())
            return leave(test->Command2[index]);
        QTest::mouseClick(test->Command2[index], Qt::LeftButton);
        return true;
    }

    bool answer(const QString &screen, ReasoningItem *item)
    {
        if (candidate == Candidate::TimesOut) {
            auto clock = h.forms.find<Presentation3>();
            return runOut([clock] { clock->Timer1_Timer(); }, item->Horloge);
        }
        if (candidate != Candidate::AllWrong) {
            const auto key = ReasoningItems::item(screen.toStdString()).key;
            for (int i = 0; i < item->Text2.size(); ++i)
                QTest::keyClicks(item->Text2[i], QString(QChar(key[size_t(i)])).toLower());
        }
        return leave(item->Command2);
    }

    // Clicks the button that brings the next screen up. A double click's second press lands on
    // whatever is in that place once the next screen is up.
    bool leave(QAbstractButton *button)
    {
        if (!button)
            return false;
        if (candidate != Candidate::AllRightDoubleClicking) {
            QTest::mouseClick(button, Qt::LeftButton);
            return true;
        }
        const QPoint place = centreOf(button);
        input.click(place);
        input.wait(80);
        if (QApplication::topLevelAt(place))
            input.click(place);
        return true;
    }

    // Lets the whole limit pass: the last second still shows, then the test times out.
    bool runOut(const std::function<void()> &tick, QLabel *clockLabel)
    {
        h.clock.advance(h.titre().Time - 0.5);
        tick();
        if (clockLabel->text() != QLatin1String("00:01"))
            return false;
        h.clock.advance(0.5);
        tick();
        return true;
    }

    void waitFor(Calcul1 *calcul)
    {
        h.clock.advance(30);
        calcul->Timer1_Timer();
    }

    Harness &h;
    Candidate candidate;
    PlatformInput input;
};

const QStringList chain { "Presentation1", "Test1", "Presentation2", "Test2", "Presentation3", "Test3a",
    "Test3b", "Test3c", "Test3d", "Test3e", "Test3f", "Test3g", "Test3h", "Test3i", "Test3j", "Test3k",
    "Test3l", "Test3m", "Presentation4", "Test4", "Presentation5", "Test5", "Calcul1", "Resultats" };

QStringList distinct(const QStringList &visited)
{
    QStringList screens;
    for (const QString &screen : visited) {
        if (screens.isEmpty() || screens.last() != screen)
            screens.append(screen);
    }
    return screens;
}

} // namespace

class tst_FullPass : public ScreenSuite {
    Q_OBJECT

private slots:
    void onePass_data();
    void onePass();
    void restartKeepsTheLimitAndTheBestScore();
};

void tst_FullPass::onePass_data()
{
    QTest::addColumn<Candidate>("candidate");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("greeting");
    QTest::addColumn<QStringList>("screens");

    // At time-out the reasoning test closes the item on display and goes on to the dial test.
    QStringList timedOut = chain;
    timedOut.erase(
        timedOut.begin() + timedOut.indexOf("Test3b"), timedOut.begin() + timedOut.indexOf("Test3m") + 1);

    const int best = Tests::maximumScore();
    QTest::newRow("every answer right") << Candidate::AllRight << best << "Super, Zoé !" << chain;
    QTest::newRow("every answer right, every screen left with a double click")
        << Candidate::AllRightDoubleClicking << best << "Super, Zoé !" << chain;
    QTest::newRow("every answer wrong") << Candidate::AllWrong << 0 << "Pas mal, Zoé !" << chain;
    QTest::newRow("every test times out") << Candidate::TimesOut << 0 << "Pas mal, Zoé !" << timedOut;
}

void tst_FullPass::onePass()
{
    QFETCH(Candidate, candidate);
    QFETCH(int, score);
    QFETCH(QString, greeting);
    QFETCH(QStringList, screens);

    Harness h;
    h.start();
    FullPass pass(h, candidate);
    QVERIFY2(pass.walk("Zoé"), qPrintable(pass.visited.join(' ')));

    QCOMPARE(distinct(pass.visited).join(" "), screens.join(" "));
    QVERIFY(h.messages.isEmpty());
    QCOMPARE(h.titre().Score, qint16(score));
    auto results = h.forms.find<Resultats>();
    QCOMPARE(results->Label1->text(), greeting);
    QCOMPARE(results->Label2->text(), QString::number(score));
    // Besides the results, only the title and the reasoning instructions stay loaded, hidden.
    QCOMPARE(h.forms.loadedNames(), (QStringList { "Titre", "Presentation3", "Resultats" }));
}

void tst_FullPass::restartKeepsTheLimitAndTheBestScore()
{
    Harness h;
    h.start();
    h.answers = QStringList { "60" };
    QTest::keyClick(h.titre().Command1, Qt::Key_F5);

    FullPass first(h, Candidate::AllRight);
    QVERIFY(first.walk("Ana"));
    QVERIFY(clickButton(h.forms.find("Resultats"), "Command1"));
    Harness::flushDeletes();
    QCOMPARE(h.forms.visibleNames(), QStringList { "Titre" });
    QCOMPARE(h.titre().Time, qint16(60));
    QCOMPARE(h.titre().Score, qint16(0));

    // The second candidate's tests each last the 60 seconds set before the first pass.
    FullPass second(h, Candidate::TimesOut);
    QVERIFY(second.walk("Zoé"));
    QCOMPARE(h.titre().Score, qint16(0));
    auto results = h.forms.find<Resultats>();
    QCOMPARE(results->Label1->text(), QString("Pas mal, Zoé !"));
    QCOMPARE(results->Label5->text(),
        QString("Sur cette machine, lors de cette session, le meilleur score est de %1 et a été obtenu par "
                "Ana.")
            .arg(Tests::maximumScore()));
    QCOMPARE(h.forms.find<Presentation3>()->findChild<QLabel *>("Label2")->text(),
        QString("Vous avez 60 secondes pour trouver le plus possible de bonnes réponses."));
}

QTEST_MAIN(tst_FullPass)
#include "tst_fullpass.moc"
