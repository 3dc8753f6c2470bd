// The dial-reading test: scoring by button position, question texts and captions by the kind of
// each value, panel pictures, and the hand-over to the last instruction screen. What it shares with
// the other picture tests (time-out, unreadable pictures, whole key) is in tst_picturetests.
#include "picturetestrun.h"

#include "picturebox.h"

#include <QApplication>
#include <QFile>
#include <QLocale>

class tst_DialTest : public ScreenSuite {
    Q_OBJECT

private slots:
    void scoresByPositionOnly_data();
    void scoresByPositionOnly();
    void questionOnScreen_data();
    void questionOnScreen();
    void panelIsReadAgainAtEveryQuestion();
    void lastAnswerShowsPresentation5();
};

void tst_DialTest::scoresByPositionOnly_data()
{
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("points");

    QTest::newRow("question 1, third (2460)") << 1 << 2 << 1;
    QTest::newRow("question 1, first (250)") << 1 << 0 << 0;
    QTest::newRow("question 1, fourth (2540)") << 1 << 3 << 0;
    QTest::newRow("question 3, third (110)") << 3 << 2 << 0;
    QTest::newRow("question 3, fifth (110 again)") << 3 << 4 << 0;
    QTest::newRow("question 3, fourth (125)") << 3 << 3 << 1;
    QTest::newRow("question 7, second (-11)") << 7 << 1 << 1;
    QTest::newRow("question 7, fourth (7)") << 7 << 3 << 0;
    QTest::newRow("question 24, second (0)") << 24 << 1 << 1;
    QTest::newRow("question 40, fourth (20)") << 40 << 3 << 1;
}

void tst_DialTest::scoresByPositionOnly()
{
    QFETCH(int, question);
    QFETCH(int, button);
    QFETCH(int, points);

    TestRun run("Test4");

    QVERIFY(run.isReady());
    QVERIFY(run.answerUpTo(question, false));
    run.click(button);
    QCOMPARE(run.titre->Score, qint16(points));
}

void tst_DialTest::questionOnScreen_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("captions");

    const QString speed = "Quelle est la vitesse ?";
    const QString fuel = "Quel est le niveau d'essence ?";
    const QString temperature = "Que vaut la température ?";
    const QString current = "Que vaut l'intensité, en Ampères ?";
    QTest::newRow("question 1, at start")
        << "fr_FR" << 1 << ":/assets/cadran2.jpg"
        << "Qu'indique le compte-tours ?" << QStringList { "250", "2155", "2460", "2540", "3500" };
    QTest::newRow("question 2") << "fr_FR" << 2 << "cadran2.gif" << speed
                                << QStringList { "23", "46", "50", "55", "58" };
    QTest::newRow("question 3") << "fr_FR" << 3 << "cadran2.gif"
                                << "Quelle est la pression d'huile ?"
                                << QStringList { "90", "100", "110", "125", "110" };
    QTest::newRow("question 5, French")
        << "fr_FR" << 5 << "cadran2.gif" << fuel << QStringList { "0,25", "0,45", "0,55", "0,7", "0,8" };
    QTest::newRow("question 5, English")
        << "en_US" << 5 << "cadran2.gif" << fuel << QStringList { "0.25", "0.45", "0.55", "0.7", "0.8" };
    QTest::newRow("question 6, next panel")
        << "fr_FR" << 6 << "cadran3.gif" << temperature << QStringList { "100", "110", "120", "95", "85" };
    QTest::newRow("question 7, negative")
        << "fr_FR" << 7 << "cadran3.gif" << current << QStringList { "-15", "-11", "-7", "7", "13" };
    QTest::newRow("question 10, no grouping")
        << "fr_FR" << 10 << "cadran3.gif"
        << "Qu'indique le compte-tours ?" << QStringList { "630", "5640", "6180", "6310", "6350" };
    QTest::newRow("question 17, above one")
        << "fr_FR" << 17 << "cadran5.gif" << fuel << QStringList { "0,11", "0,15", "0,1", "1,1", "0,9" };
    QTest::newRow("question 36, last panel")
        << "fr_FR" << 36 << "cadran9.gif" << temperature << QStringList { "260", "255", "26", "20", "27" };
    QTest::newRow("question 40") << "fr_FR" << 40 << "cadran9.gif" << current
                                 << QStringList { "205", "18", "26", "20", "27" };
}

void tst_DialTest::questionOnScreen()
{
    QFETCH(QString, locale);
    QFETCH(int, question);
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QStringList, captions);

    QLocale::setDefault(QLocale(locale));
    TestRun run("Test4");
    QVERIFY(run.isReady());
    QVERIFY(run.answerUpTo(question, true));

    QCOMPARE(run.test->Picture1->sourceName(), file);
    if (question > 1)
        QCOMPARE(run.test->Picture1->picture().width(), pictureWidth(run.shape.fileNumber(question)));
    QCOMPARE(run.label3(), text);
    QCOMPARE(run.captions(), captions);
    QCOMPARE(
        run.test->Picture1->accessibleName(), QStringLiteral("Tableau de bord, question %1").arg(question));
}

void tst_DialTest::panelIsReadAgainAtEveryQuestion()
{
    TestRun run("Test4");
    QVERIFY(run.isReady());
    run.answer(true);
    QCOMPARE(run.test->Picture1->sourceName(), QString("cadran2.gif"));
    // The panel changes on disk between two of its questions: the next question shows the new one.
    QVERIFY(QFile::remove(run.path(2)));
    writePicture(run.path(2), 50);
    run.answer(true);
    QCOMPARE(run.test->QuestionNumber, 3);
    QCOMPARE(run.test->Picture1->sourceName(), QString("cadran2.gif"));
    QCOMPARE(run.test->Picture1->picture().width(), pictureWidth(50));
}

void tst_DialTest::lastAnswerShowsPresentation5()
{
    TestRun run("Test4", TestRun::Real);
    QVERIFY(run.isReady());
    QVERIFY(run.answerUpTo(40, false));
    // No panel may be read after the last answer.
    QVERIFY(QFile::remove(run.path(40)));
    run.click(3);

    QCOMPARE(run.titre->Score, qint16(1));
    QVERIFY(run.h.messages.isEmpty());
    QCOMPARE(run.h.forms.visibleNames(), QStringList { "Presentation5" });
    QVERIFY(!run.h.forms.isLoaded("Test4"));
    QVERIFY(!run.test->Timer1->isActive());
    QCOMPARE(run.test->Picture1->sourceName(), QString("cadran9.gif"));
}

QTEST_MAIN(tst_DialTest)
#include "tst_dialtest.moc"
