// Clicks and keys as the platform delivers them: fed through QWindowSystemInterface with their own
// timestamps, so that Qt itself makes a double click of a quick second press, as it does for a real
// mouse, and delivers that press to the widgets as a double click alone.
#include "picturetestrun.h"
#include "testsupport.h"

#include "calcul1.h"
#include "reasoning/reasoningitem.h"
#include "reasoning/reasoningitems.h"
#include "resultats.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

namespace {

QString visibleScreen(const Harness &h)
{
    const QStringList visible = h.forms.visibleNames();
    return visible.size() == 1 ? visible.first() : visible.join('+');
}

} // namespace

class tst_Input : public ScreenSuite {
    Q_OBJECT

private slots:
    void everyPressAnswers_data();
    void everyPressAnswers();
    void doubleClickLeavesOnce_data();
    void doubleClickLeavesOnce();
    void keysTappedThroughTheWaitLeaveTheResults();
};

void tst_Input::everyPressAnswers_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("apart"); // milliseconds from one press to the next

    for (const char *screen : { "Test1", "Test2", "Test4", "Test5" }) {
        for (int clicks : { 2, 3, 10 }) {
            for (int apart : { 30, 60, 150, 300, 500 })
                QTest::addRow("%s, %d clicks %d ms apart", screen, clicks, apart)
                    << screen << clicks << apart;
        }
    }
}

// The same answer button clicked again and again: every press answers the question on screen,
// however quick, and scores it once.
void tst_Input::everyPressAnswers()
{
    QFETCH(QString, screen);
    QFETCH(int, clicks);
    QFETCH(int, apart);

    TestRun run(screen);
    QVERIFY(run.isReady());
    const QPoint first = centreOf(run.test->Command2.first());
    PlatformInput input;
    int score = 0;
    for (int i = 0; i < clicks; ++i) {
        score += run.rightButton() == 0;
        input.click(first);
        input.wait(apart - PlatformInput::ReleaseAfter);
    }
    QCOMPARE(run.test->QuestionNumber, 1 + clicks);
    QCOMPARE(run.titre->Score, qint16(score));
    QCOMPARE(run.h.forms.visibleNames(), QStringList { screen });
}

void tst_Input::doubleClickLeavesOnce_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("next");
    QTest::addColumn<bool>("typedBetween"); // the next screen's answer, between the two presses

    QTest::newRow("instruction screen to spatial test") << "Presentation1"
                                                        << "Test1" << false;
    QTest::newRow("spatial test to instruction screen") << "Test1"
                                                        << "Presentation2" << false;
    QTest::newRow("instruction screen to path test") << "Presentation2"
                                                     << "Test2" << false;
    QTest::newRow("instruction screen to first item") << "Presentation3"
                                                      << "Test3a" << false;
    QTest::newRow("item to item") << "Test3a"
                                  << "Test3b" << false;
    QTest::newRow("last item to instruction screen") << "Test3m"
                                                     << "Presentation4" << false;
    QTest::newRow("instruction screen to dial test") << "Presentation4"
                                                     << "Test4" << false;
    QTest::newRow("dial test to instruction screen") << "Test4"
                                                     << "Presentation5" << false;
    QTest::newRow("instruction screen to length test") << "Presentation5"
                                                       << "Test5" << false;
    QTest::newRow("item to item, the next one answered meanwhile") << "Test3a"
                                                                   << "Test3c" << true;
}

// A double click on the button that brings the next screen up: the first press leaves, the
// second, a double click begun on the screen before, reaches nothing on the next one, whether a
// button of it stands there (from item to item, "Suivant") or not.
void tst_Input::doubleClickLeavesOnce()
{
    QFETCH(QString, from);
    QFETCH(QString, next);
    QFETCH(bool, typedBetween);

    Harness h;
    h.start();
    Form *screen = h.showAlone(from);
    QAbstractButton *leave = nullptr;
    if (auto test = qobject_cast<PictureTest *>(screen)) {
        while (test->QuestionNumber < test->AnswerKey.size())
            test->Command2_Click(0);
        leave = test->Command2.first();
    } else if (auto item = qobject_cast<ReasoningItem *>(screen)) {
        leave = item->Command2;
    } else {
        leave = screen->findChild<QAbstractButton *>("Command1");
    }
    QVERIFY(leave);
    const QPoint place = centreOf(leave);
    const qint16 score = h.titre().Score;

    PlatformInput input;
    input.click(place);
    Harness::flushDeletes(); // the screen left goes before the second press, as it does live
    if (typedBetween) {
        // A quick typist answers the item that came up and clicks "Suivant" where it stood.
        auto item = qobject_cast<ReasoningItem *>(h.forms.find(visibleScreen(h)));
        QVERIFY(item);
        QApplication::setActiveWindow(item);
        for (const char answer : ReasoningItems::item(item->objectName().toStdString()).key)
            input.key(item, Qt::Key(answer), QString(QChar(answer)));
        QVERIFY(item->isRight());
    }
    input.wait(80);
    input.click(place);
    Harness::flushDeletes();

    QCOMPARE(visibleScreen(h), next);
    Form *arrived = h.forms.find(next);
    QCOMPARE(h.titre().Score, qint16(score + (typedBetween ? 1 : 0)));
    if (auto test = qobject_cast<PictureTest *>(arrived))
        QCOMPARE(test->QuestionNumber, 1);
    // Nothing is held down for a release to complete later.
    for (const QAbstractButton *button : arrived->findChildren<QAbstractButton *>())
        QVERIFY(!button->isDown());
}

// A candidate tapping Return through the computation screen, impatient for the score: the taps
// that reach the results as they appear do not press "Recommencer"; a deliberate one later does.
void tst_Input::keysTappedThroughTheWaitLeaveTheResults()
{
    Harness h;
    h.start();
    h.titre().Prenom = "Zoé";
    h.titre().Score = 120;
    auto calcul = qobject_cast<Calcul1 *>(h.showAlone("Calcul1"));
    QVERIFY(calcul);
    PlatformInput input;
    const double start = h.clock.seconds;
    // The results come up 30 s in; the taps go on for 0.9 s more, a candidate's reaction time.
    while (h.clock.seconds - start < 30.95) {
        Form *shown = h.forms.find(visibleScreen(h));
        QVERIFY2(shown, qPrintable(visibleScreen(h)));
        input.key(shown, Qt::Key_Return);
        input.wait(290);
        h.clock.advance(0.3);
        if (h.forms.isLoaded("Calcul1"))
            calcul->Timer1_Timer();
        Harness::flushDeletes();
        QCoreApplication::processEvents(); // the window system's activation of a new screen
    }
    QCOMPARE(visibleScreen(h), QString("Resultats"));
    QVERIFY(h.prompts.isEmpty());
    QCOMPARE(h.titre().BestScore, qint16(120));

    auto results = h.forms.find<Resultats>();
    h.clock.advance(1);
    input.key(results, Qt::Key_Return);
    QCOMPARE(visibleScreen(h), QString("Titre"));
}

QTEST_MAIN(tst_Input)
#include "tst_input.moc"
