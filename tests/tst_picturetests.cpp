// The picture-and-button tests: spatial assembly, path turn-counting, length ratios, and the
// behaviour they share with the dial-reading test (end, time-out, unreadable pictures).
#include "picturetestrun.h"

#include "picturebox.h"

#include <QApplication>
#include <QFile>
#include <QLocale>

class tst_PictureTests : public ScreenSuite {
    Q_OBJECT

private slots:
    void firstAnswer_data();
    void firstAnswer();
    void questionOnScreen_data();
    void questionOnScreen();
    void altLettersAnswerTheSpatialTest();

    void lastAnswerHandsOverOnce_data();
    void lastAnswerHandsOverOnce();
    void timeOut_data();
    void timeOut();
    void unreadablePictureEndsTheProgram_data();
    void unreadablePictureEndsTheProgram();
    void wholeKey_data();
    void wholeKey();
    void textsFit_data();
    void textsFit();
};

void tst_PictureTests::firstAnswer_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("points");

    QTest::newRow("spatial, E is right") << "Test1" << 4 << 1;
    QTest::newRow("spatial, A is wrong") << "Test1" << 0 << 0;
    QTest::newRow("spatial, D is wrong") << "Test1" << 3 << 0;
    QTest::newRow("paths, 4 is right") << "Test2" << 3 << 1;
    QTest::newRow("paths, 5 is wrong") << "Test2" << 4 << 0;
    QTest::newRow("paths, 8 is wrong") << "Test2" << 7 << 0;
    QTest::newRow("lengths, top button (2) is right") << "Test5" << 0 << 1;
    QTest::newRow("lengths, 1 is wrong") << "Test5" << 1 << 0;
    QTest::newRow("lengths, 5 is wrong") << "Test5" << 4 << 0;
}

void tst_PictureTests::firstAnswer()
{
    QFETCH(QString, screen);
    QFETCH(int, button);
    QFETCH(int, points);

    TestRun run(screen);

    QVERIFY(run.isReady());
    run.titre->Score = 7; // points of an earlier test stay
    run.click(button);
    QCOMPARE(run.titre->Score, qint16(7 + points));
    QCOMPARE(run.test->QuestionNumber, 2);
    QCOMPARE(run.h.forms.visibleNames(), QStringList { screen });
}

void tst_PictureTests::questionOnScreen_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("label3"); // empty: the screen has none
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("pictureName"); // what a screen reader says of the picture

    const QStringList letters { "&A", "&B", "&C", "&D", "&E" };
    const QStringList counts { "1", "2", "3", "4", "5", "6", "7", "8" };
    QTest::newRow("spatial, at start") << "Test1" << 0 << "" << letters << "Question 1 sur 60";
    QTest::newRow("spatial, question 2") << "Test1" << 1 << "" << letters << "Question 2 sur 60";
    QTest::newRow("spatial, question 60") << "Test1" << 59 << "" << letters << "Question 60 sur 60";
    QTest::newRow("paths, at start") << "Test2" << 0 << "A DROITE" << counts << "Question 1 sur 30";
    QTest::newRow("paths, question 2") << "Test2" << 1 << "A GAUCHE" << counts << "Question 2 sur 30";
    QTest::newRow("paths, question 4") << "Test2" << 3 << "A DROITE" << counts << "Question 4 sur 30";
    QTest::newRow("paths, question 30") << "Test2" << 29 << "A GAUCHE" << counts << "Question 30 sur 30";
    QTest::newRow("lengths, at start")
        << "Test5" << 0 << "" << QStringList { "2", "1", "4", "3", "5" } << "Question 1 sur 30";
    QTest::newRow("lengths, question 2")
        << "Test5" << 1 << "" << QStringList { "6", "5", "7", "3", "4" } << "Question 2 sur 30";
    QTest::newRow("lengths, question 4")
        << "Test5" << 3 << "" << QStringList { "5", "6", "7", "8", "9" } << "Question 4 sur 30";
    QTest::newRow("lengths, question 30")
        << "Test5" << 29 << "" << QStringList { "7", "2", "8", "3", "4" } << "Question 30 sur 30";
}

void tst_PictureTests::questionOnScreen()
{
    QFETCH(QString, screen);
    QFETCH(int, clicks);
    QFETCH(QString, label3);
    QFETCH(QStringList, captions);
    QFETCH(QString, pictureName);

    TestRun run(screen);

    QVERIFY(run.isReady());
    for (int click = 0; click < clicks; ++click)
        run.answer(click % 2 == 0);

    const int question = clicks + 1;
    QCOMPARE(run.test->QuestionNumber, question);
    QCOMPARE(run.titre->Score, qint16((clicks + 1) / 2));
    if (question == 1) {
        QCOMPARE(run.test->Picture1->sourceName(), run.shape.firstPicture);
    } else {
        QCOMPARE(run.test->Picture1->sourceName(), run.shape.file(question));
        QCOMPARE(run.test->Picture1->picture().width(), pictureWidth(question));
    }
    QCOMPARE(run.label3(), label3);
    QCOMPARE(run.captions(), captions);
    QCOMPARE(run.test->Picture1->accessibleName(), pictureName);
}

void tst_PictureTests::altLettersAnswerTheSpatialTest()
{
    TestRun run("Test1");
    QVERIFY(run.isReady());
    QApplication::setActiveWindow(run.test);
    QVERIFY(QTest::qWaitForWindowActive(run.test));

    // A mnemonic answers at once, so that the next one typed straight after is not lost.
    auto press = [&run](Qt::Key letter) {
        const int question = run.test->QuestionNumber;
        QTest::keyClick(run.test, letter, Qt::AltModifier);
        QCOMPARE(run.test->QuestionNumber, question + 1);
    };
    // The key begins E, C, A, D, B, A.
    for (Qt::Key letter : { Qt::Key_E, Qt::Key_C, Qt::Key_A, Qt::Key_D, Qt::Key_B })
        press(letter);
    QCOMPARE(run.titre->Score, qint16(5));
    press(Qt::Key_B);
    QCOMPARE(run.titre->Score, qint16(5));
    QTest::keyClick(run.test, Qt::Key_X, Qt::AltModifier); // no such answer
    // A held key answers once: its repeats answer nothing.
    const int question = run.test->QuestionNumber;
    for (bool repeat : { false, true, true, true })
        QTest::simulateEvent(run.test, true, Qt::Key_A, Qt::AltModifier, QString(), repeat);
    QCOMPARE(run.test->QuestionNumber, question + 1);
    for (const QPushButton *button : run.test->Command2)
        QVERIFY(!button->isDown());
}

void tst_PictureTests::lastAnswerHandsOverOnce_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("clockStoppedBeforeNext");

    QTest::newRow("spatial") << "Test1" << false;
    QTest::newRow("paths") << "Test2" << false;
    QTest::newRow("dials") << "Test4" << false;
    QTest::newRow("lengths") << "Test5" << true;
}

void tst_PictureTests::lastAnswerHandsOverOnce()
{
    QFETCH(QString, screen);
    QFETCH(bool, clockStoppedBeforeNext);

    TestRun run(screen);

    QVERIFY(run.isReady());
    const int last = run.shape.questions;
    QVERIFY(run.answerUpTo(last, false));
    const QStringList lastCaptions = run.captions();
    // Nothing may be read after the last answer: a read of the last picture would now fail, a read
    // of one beyond would succeed and show.
    QVERIFY(QFile::remove(run.path(last)));
    const int right = run.rightButton();
    run.click(right);

    QCOMPARE(run.titre->Score, qint16(1));
    QVERIFY(run.h.messages.isEmpty());
    QCOMPARE(run.h.forms.visibleNames(), QStringList { run.shape.next });
    QVERIFY(!run.h.forms.isLoaded(screen));
    QCOMPARE(run.test->Picture1->sourceName(), run.shape.file(last));
    QCOMPARE(run.captions(), lastCaptions);
    QCOMPARE(run.arrival.loads, 1);
    QCOMPARE(run.arrival.testClockRunning, !clockStoppedBeforeNext);

    // The candidate has moved on; a second click queued behind the first, and a tick, arrive late.
    run.h.forms.find(run.shape.next)->Unload();
    run.test->Command2_Click(right);
    run.h.clock.advance(1000);
    run.test->Timer1_Timer();
    QCOMPARE(run.titre->Score, qint16(1));
    QCOMPARE(run.arrival.loads, 1);
    QCOMPARE(run.h.forms.loadedNames(), QStringList { "Titre" });
    QVERIFY(run.h.messages.isEmpty());
}

void tst_PictureTests::timeOut_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("question"); // on screen when the time is up

    QTest::newRow("spatial, question 1") << "Test1" << 1;
    QTest::newRow("spatial, question 7") << "Test1" << 7;
    QTest::newRow("paths, question 12") << "Test2" << 12;
    QTest::newRow("dials, question 6") << "Test4" << 6;
    QTest::newRow("lengths, question 30") << "Test5" << 30;
}

void tst_PictureTests::timeOut()
{
    QFETCH(QString, screen);
    QFETCH(int, question);

    TestRun run(screen);

    QVERIFY(run.isReady());
    run.titre->Time = 60;
    QVERIFY(run.answerUpTo(question, true));
    run.h.clock.advance(59.9);
    run.test->Timer1_Timer();
    QCOMPARE(run.test->Horloge->text(), QString("00:01"));
    QCOMPARE(run.h.forms.visibleNames(), QStringList { screen });

    run.h.clock.advance(0.1);
    run.test->Timer1_Timer();
    QCOMPARE(run.h.forms.visibleNames(), QStringList { run.shape.next });
    QVERIFY(!run.h.forms.isLoaded(screen));
    QCOMPARE(run.titre->Score, qint16(question - 1));

    // A click racing the time-out: question k is not scored.
    run.test->Command2_Click(run.rightButton());
    QCOMPARE(run.titre->Score, qint16(question - 1));
    QCOMPARE(run.arrival.loads, 1);
    QCOMPARE(run.test->QuestionNumber, question);
}

void tst_PictureTests::unreadablePictureEndsTheProgram_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("question"); // whose picture cannot be read
    QTest::addColumn<QByteArray>("content"); // of its file; null: no file

    QTest::newRow("spatial, image2.gif missing") << "Test1" << 2 << QByteArray();
    QTest::newRow("spatial, image9.gif not a picture") << "Test1" << 9 << QByteArray("not a picture");
    QTest::newRow("paths, chemin5.gif empty") << "Test2" << 5 << QByteArray("");
    QTest::newRow("dials, cadran3.gif missing") << "Test4" << 6 << QByteArray();
    QTest::newRow("lengths, barre30.gif missing") << "Test5" << 30 << QByteArray();
}

void tst_PictureTests::unreadablePictureEndsTheProgram()
{
    QFETCH(QString, screen);
    QFETCH(int, question);
    QFETCH(QByteArray, content);

    TestRun run(screen);

    QVERIFY(run.isReady());
    QFile::remove(run.path(question));
    if (!content.isNull()) {
        QFile file(run.path(question));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QVERIFY(run.answerUpTo(question - 1, true));

    // While the message is up, the screen still shows the question just answered, whole.
    const QString pictureBefore = run.test->Picture1->sourceName();
    const QStringList captionsBefore = run.captions();
    const QString label3Before = run.label3();
    bool agreed = false;
    bool clockRunning = true;
    run.h.forms.setMessageBox([&](QWidget *, const QString &text) {
        run.h.messages.append(text);
        agreed = run.test->QuestionNumber == question - 1 && run.test->Picture1->sourceName() == pictureBefore
            && run.captions() == captionsBefore && run.label3() == label3Before;
        clockRunning = run.test->Timer1->isActive();
        if (run.h.messages.size() == 1) // a click delivered under the message
            run.test->Command2_Click(run.rightButton());
    });
    run.answer(true);

    QCOMPARE(run.h.messages.size(), 1);
    QVERIFY2(run.h.messages.first().contains("« " + run.shape.file(question) + " »"),
        qPrintable(run.h.messages.first()));
    QVERIFY(agreed);
    QVERIFY(!clockRunning);
    QVERIFY(run.h.forms.hasEnded());
    QCOMPARE(run.h.quitCalls, 1);
    QVERIFY(run.h.forms.loadedNames().isEmpty());
    QCOMPARE(run.titre->Score, qint16(question - 1));
    QCOMPARE(run.arrival.loads, 0);
}

void tst_PictureTests::wholeKey_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("points");

    QTest::newRow("spatial, all right") << "Test1" << true << 60;
    QTest::newRow("spatial, all wrong") << "Test1" << false << 0;
    QTest::newRow("paths, all right") << "Test2" << true << 30;
    QTest::newRow("paths, all wrong") << "Test2" << false << 0;
    QTest::newRow("dials, all right") << "Test4" << true << 40;
    QTest::newRow("dials, all wrong") << "Test4" << false << 0;
    QTest::newRow("lengths, all right") << "Test5" << true << 30;
    QTest::newRow("lengths, all wrong") << "Test5" << false << 0;
}

void tst_PictureTests::wholeKey()
{
    QFETCH(QString, screen);
    QFETCH(bool, right);
    QFETCH(int, points);

    TestRun run(screen);

    QVERIFY(run.isReady());
    for (int question = 1; question <= run.shape.questions; ++question) {
        QCOMPARE(run.test->QuestionNumber, question);
        run.answer(right);
    }
    QCOMPARE(run.titre->Score, qint16(points));
    QCOMPARE(run.h.forms.visibleNames(), QStringList { run.shape.next });
}

void tst_PictureTests::textsFit_data()
{
    QTest::addColumn<QString>("screen");
    for (const char *screen : { "Test1", "Test2", "Test4", "Test5" })
        QTest::newRow(screen) << screen;
}

// The screens are designed for a narrower face than the fonts found here: no text may be cut off,
// at any question.
void tst_PictureTests::textsFit()
{
    QFETCH(QString, screen);

    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    TestRun run(screen);
    QVERIFY(run.isReady());
    run.titre->Time = 6000;
    run.test->Timer1_Timer();
    for (int question = 1; question <= run.shape.questions; ++question) {
        QCOMPARE(run.test->QuestionNumber, question);
        for (const QLabel *label : run.test->findChildren<QLabel *>()) {
            const QString where = label->objectName() + " at question " + QString::number(question);
            QVERIFY2(run.test->rect().contains(label->geometry()), qPrintable(where));
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(where));
            else
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(where));
        }
        for (const QPushButton *button : run.test->Command2)
            QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->contentsRect().width());
        run.answer(true);
    }
}

QTEST_MAIN(tst_PictureTests)
#include "tst_picturetests.moc"
