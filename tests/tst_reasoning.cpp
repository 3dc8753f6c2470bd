// The reasoning test: its instruction screen and the clock it keeps across the thirteen item
// screens, the answer boxes, the layout of the puzzles, and the scoring of the items.
#include "testsupport.h"

#include "reasoning/presentation3.h"
#include "reasoning/reasoningitem.h"
#include "reasoning/reasoningitems.h"
#include "timedtest.h"
#include "titre.h"
#include "twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

const QStringList ItemScreens = { "Test3a", "Test3b", "Test3c", "Test3d", "Test3e", "Test3f", "Test3g",
    "Test3h", "Test3i", "Test3j", "Test3k", "Test3l", "Test3m" };
// The right answer of each item, box by box.
const QStringList Keys
    = { "2", "FLEURS", "VXW", "PEU", "231", "73", "EFGFE", "147", "5", "VENT", "SI", "5", "4" };

// Starts the reasoning test as the candidate does, after reading the instructions a while.
// Returns the instructions, which hold the clock, or null when the test could not start.
Presentation3 *startReasoningTest(Harness &h)
{
    h.start();
    auto instructions = qobject_cast<Presentation3 *>(h.showAlone("Presentation3"));
    h.clock.advance(300);
    return clickButton(instructions, "Command1") ? instructions : nullptr;
}

ReasoningItem *itemOnDisplay(const Harness &h)
{
    return h.forms.find<ReasoningItem>();
}

// Keys go where the focus is, as from the keyboard; that needs the window to be active.
bool typeInto(QWidget *window, const QString &keys)
{
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    QTest::keyClicks(nullptr, keys);
    return true;
}

QString textsOf(const ReasoningItem *item)
{
    QString texts;
    for (const QLineEdit *box : item->Text2)
        texts += box->text().isEmpty() ? QStringLiteral("_") : box->text();
    return texts;
}

// How far a label's text reaches, blanks after it aside.
int inkRight(const QLabel *label)
{
    QString text = label->text();
    while (text.endsWith(' '))
        text.chop(1);
    return label->x() + label->fontMetrics().horizontalAdvance(text);
}

} // namespace

class tst_Reasoning : public ScreenSuite {
    Q_OBJECT

private slots:
    void workedExample();
    void suivantStartsTheClockAndHides();
    void firstTick_data();
    void firstTick();
    void clockRunsAcrossTheItems();
    void timeOutClosesAFilledItemUnscored();
    void stoppedClockStaysStopped();
    void clockIgnoresWhichWindowIsActive();
    void timeSentenceFollowsTheLimitOnALaterPass();

    void firstBoxHasTheFocus_data();
    void firstBoxHasTheFocus();
    void threeKeysFillThreeBoxes();
    void clickingABoxEmptiesItForCorrection();
    void correctingTheFirstBoxKeepsTheSecond();
    void clickingAnEmptyBoxPutsTheFocusThere();
    void enterPressesOnlyTheFocusedButton_data();
    void enterPressesOnlyTheFocusedButton();

    void rightAnswers_data();
    void rightAnswers();
    void wrongAnswers_data();
    void wrongAnswers();
    void wholeTest_data();
    void wholeTest();

    void puzzleLayout_data();
    void puzzleLayout();

    void abandonEnds();
    void closingAnItemEnds();
};

void tst_Reasoning::workedExample()
{
    Harness h;
    h.start();
    auto instructions = qobject_cast<Presentation3 *>(h.showAlone("Presentation3"));
    QCOMPARE(instructions->Label6->text(), QString("36   12   24   4"));
    QCOMPARE(instructions->Text1->text(), QString("8"));
    QVERIFY(instructions->Text1->isReadOnly());
    // On the line of the series, after its last term, inside the example frame.
    QCOMPARE(instructions->Text1->parentWidget(), instructions->Frame1);
    QCOMPARE(instructions->Text1->y(), instructions->Label6->y());
    QVERIFY(instructions->Text1->x() > inkRight(instructions->Label6));
    QVERIFY(instructions->Text1->geometry().right() < instructions->Frame1->width());
    QCOMPARE(instructions->Text1->size(), QSize(33, 33));
    QCOMPARE(instructions->Label2->text(),
        QString("Vous avez 2 minutes pour trouver le plus possible de bonnes réponses."));
    // The example box is not for typing: the focus goes to the button.
    QVERIFY(QTest::qWaitForWindowActive(instructions));
    QCOMPARE(QApplication::focusWidget(), instructions->Command1);
}

void tst_Reasoning::suivantStartsTheClockAndHides()
{
    Harness h;
    h.clock.seconds = 1000;
    Presentation3 *instructions = startReasoningTest(h);
    QVERIFY(instructions);

    QVERIFY(instructions->Timer1->isActive());
    QCOMPARE(instructions->Timer1->interval(), 100);
    QCOMPARE(instructions->Start, 1300.0); // the reading time is not counted
    QCOMPARE(h.forms.visibleNames(), QStringList { "Test3a" });
    QCOMPARE(h.forms.loadedNames(), (QStringList { "Titre", "Presentation3", "Test3a" }));
    QVERIFY(itemOnDisplay(h)->Horloge->text().isEmpty());
}

void tst_Reasoning::firstTick_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("caption"); // empty: the first tick ends the test

    QTest::newRow("120 seconds") << 120 << "02:00";
    QTest::newRow("90 seconds") << 90 << "01:30";
    QTest::newRow("6000 seconds") << 6000 << "100:00";
    QTest::newRow("zero") << 0 << "";
    QTest::newRow("negative") << -5 << "";
}

void tst_Reasoning::firstTick()
{
    QFETCH(int, limit);
    QFETCH(QString, caption);

    Harness h;
    h.start();
    h.titre().Time = qint16(limit);
    Presentation3 *instructions = startReasoningTest(h);
    QVERIFY(instructions);
    h.clock.advance(0.1);
    instructions->Timer1_Timer();

    if (caption.isEmpty()) {
        QCOMPARE(h.forms.visibleNames(), QStringList { "Presentation4" });
        QVERIFY(!h.forms.isLoaded("Test3a"));
        QVERIFY(!instructions->Timer1->isActive());
        QCOMPARE(h.titre().Score, qint16(0));
    } else {
        QCOMPARE(itemOnDisplay(h)->Horloge->text(), caption);
    }
}

void tst_Reasoning::clockRunsAcrossTheItems()
{
    // The candidate spends nine seconds on each item; each new screen shows the running time at
    // its first tick, counted from the start of the test.
    const QStringList captions = { "02:00", "01:51", "01:42", "01:33", "01:24", "01:15", "01:06", "00:57",
        "00:48", "00:39", "00:30", "00:21", "00:12" };
    Harness h;
    Presentation3 *instructions = startReasoningTest(h);
    QVERIFY(instructions);
    const double start = h.clock.seconds;
    for (int k = 0; k < ItemScreens.size(); ++k) {
        ReasoningItem *item = itemOnDisplay(h);
        QCOMPARE(item->objectName(), ItemScreens[k]);
        QVERIFY(item->Horloge->text().isEmpty());
        h.clock.seconds = start + 9 * k + 0.5;
        instructions->Timer1_Timer();
        QCOMPARE(item->Horloge->text(), captions[k]);
        if (k + 1 < ItemScreens.size())
            QVERIFY(clickButton(item, "Command2"));
    }
    ReasoningItem *last = itemOnDisplay(h);
    h.clock.seconds = start + 119.99;
    instructions->Timer1_Timer();
    QCOMPARE(last->Horloge->text(), QString("00:01"));
    h.clock.seconds = start + 120;
    instructions->Timer1_Timer();
    QCOMPARE(last->Horloge->text(), QString("00:01")); // never 00:00: that tick ends the test
    QCOMPARE(h.forms.visibleNames(), QStringList { "Presentation4" });
    QVERIFY(!h.forms.isLoaded("Test3m"));
}

void tst_Reasoning::timeOutClosesAFilledItemUnscored()
{
    Harness h;
    Presentation3 *instructions = startReasoningTest(h);
    QVERIFY(instructions);
    const double start = h.clock.seconds;
    QVERIFY(clickButton(itemOnDisplay(h), "Command2"));
    QVERIFY(clickButton(itemOnDisplay(h), "Command2"));
    ReasoningItem *item = itemOnDisplay(h);
    QCOMPARE(item->objectName(), QString("Test3c"));
    QVERIFY(typeInto(item, "VXW"));
    QVERIFY(item->isRight());

    h.clock.seconds = start + 121.5; // a late tick
    instructions->Timer1_Timer();
    QCOMPARE(h.titre().Score, qint16(0));
    QCOMPARE(h.forms.visibleNames(), QStringList { "Presentation4" });
    QCOMPARE(h.forms.loadedNames(), (QStringList { "Titre", "Presentation3", "Presentation4" }));
    QVERIFY(!instructions->Timer1->isActive());
}

void tst_Reasoning::stoppedClockStaysStopped()
{
    Harness h;
    Presentation3 *instructions = startReasoningTest(h);
    QVERIFY(instructions);
    for (int k = 0; k < ItemScreens.size(); ++k)
        QVERIFY(clickButton(itemOnDisplay(h), "Command2"));
    QVERIFY(!instructions->Timer1->isActive());
    QCOMPARE(h.forms.visibleNames(), QStringList { "Presentation4" });

    // The dial test has begun when a tick queued before the end arrives, past the limit.
    h.forms.find("Presentation4")->Unload();
    h.clock.advance(500);
    instructions->Timer1_Timer();
    QVERIFY(!h.forms.isLoaded("Presentation4"));
}

void tst_Reasoning::clockIgnoresWhichWindowIsActive()
{
    Harness h;
    Presentation3 *instructions = startReasoningTest(h);
    QVERIFY(instructions);
    QWidget otherProgram;
    otherProgram.show();
    otherProgram.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&otherProgram));

    ReasoningItem *item = itemOnDisplay(h);
    h.clock.advance(30.5);
    instructions->Timer1_Timer();
    QCOMPARE(item->Horloge->text(), QString("01:30"));
    h.clock.advance(90);
    instructions->Timer1_Timer();
    QVERIFY(!h.forms.isLoaded("Test3a"));
    QCOMPARE(h.forms.visibleNames(), QStringList { "Presentation4" });
    otherProgram.hide();
}

void tst_Reasoning::timeSentenceFollowsTheLimitOnALaterPass()
{
    Harness h;
    Presentation3 *instructions = startReasoningTest(h);
    QVERIFY(instructions);
    for (int k = 0; k < ItemScreens.size(); ++k)
        QVERIFY(clickButton(itemOnDisplay(h), "Command2"));
    h.forms.find("Presentation4")->Unload();

    // A second candidate, with a limit set on the title screen in between.
    h.titre().Time = 90;
    QCOMPARE(h.showAlone("Presentation3"), instructions); // shown again, not loaded afresh
    QCOMPARE(instructions->Label2->text(),
        QString("Vous avez 90 secondes pour trouver le plus possible de bonnes réponses."));
    QVERIFY(!instructions->Timer1->isActive());

    h.clock.advance(40);
    const double startedAt = h.clock.seconds;
    QVERIFY(clickButton(instructions, "Command1"));
    QCOMPARE(instructions->Start, startedAt);
    h.clock.advance(0.1);
    instructions->Timer1_Timer();
    QCOMPARE(itemOnDisplay(h)->objectName(), QString("Test3a"));
    QCOMPARE(itemOnDisplay(h)->Horloge->text(), QString("01:30"));
}

void tst_Reasoning::firstBoxHasTheFocus_data()
{
    QTest::addColumn<QString>("screen");
    for (const QString &screen : ItemScreens)
        QTest::newRow(qPrintable(screen)) << screen;
}

void tst_Reasoning::firstBoxHasTheFocus()
{
    QFETCH(QString, screen);

    Harness h;
    h.start();
    auto item = qobject_cast<ReasoningItem *>(h.showAlone(screen));
    QVERIFY(QTest::qWaitForWindowActive(item));
    QCOMPARE(QApplication::focusWidget(), item->Text2.first());
    for (const QLineEdit *box : item->Text2) {
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->maxLength(), 1);
    }
}

void tst_Reasoning::threeKeysFillThreeBoxes()
{
    Harness h;
    h.start();
    auto item = qobject_cast<ReasoningItem *>(h.showAlone("Test3c"));
    QVERIFY(typeInto(item, "vxw"));
    QCOMPARE(textsOf(item), QString("vxw"));
    QCOMPARE(item->focusWidget(), item->Command2);
}

void tst_Reasoning::clickingABoxEmptiesItForCorrection()
{
    Harness h;
    h.start();
    auto item = qobject_cast<ReasoningItem *>(h.showAlone("Test3c"));
    QVERIFY(typeInto(item, "vqw"));

    QTest::mouseClick(item->Text2[1], Qt::LeftButton);
    QCOMPARE(textsOf(item), QString("v_w"));
    QCOMPARE(item->focusWidget(), item->Text2[1]);

    QVERIFY(typeInto(item, "x"));
    QCOMPARE(textsOf(item), QString("vxw"));
    QCOMPARE(item->focusWidget(), item->Text2[2]);
    // A box that holds a character takes no second one.
    QVERIFY(typeInto(item, "z"));
    QCOMPARE(textsOf(item), QString("vxw"));
}

void tst_Reasoning::correctingTheFirstBoxKeepsTheSecond()
{
    Harness h;
    h.start();
    auto item = qobject_cast<ReasoningItem *>(h.showAlone("Test3c"));
    QVERIFY(typeInto(item, "axw"));

    QTest::mouseClick(item->Text2[0], Qt::LeftButton);
    QCOMPARE(item->focusWidget(), item->Text2[0]);
    QVERIFY(typeInto(item, "V"));
    QCOMPARE(textsOf(item), QString("Vxw"));
    QCOMPARE(item->focusWidget(), item->Text2[1]);
    QVERIFY(clickButton(item, "Command2"));
    QCOMPARE(h.titre().Score, qint16(1));
}

void tst_Reasoning::clickingAnEmptyBoxPutsTheFocusThere()
{
    Harness h;
    h.start();
    auto item = qobject_cast<ReasoningItem *>(h.showAlone("Test3b"));
    QVERIFY(QTest::qWaitForWindowActive(item));
    QTest::mouseClick(item->Text2[4], Qt::LeftButton);
    QCOMPARE(item->focusWidget(), item->Text2[4]);
    QVERIFY(typeInto(item, "RS"));
    QCOMPARE(textsOf(item), QString("____RS"));
    QCOMPARE(item->focusWidget(), item->Command2);
}

void tst_Reasoning::enterPressesOnlyTheFocusedButton_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("points");

    // The instruction screen opens with the focus on "&Suivant >".
    QTest::newRow("keypad Enter on the instructions")
        << "Presentation3"
        << "" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << "Test3a" << 0;
    // After the last box the focus goes to "&Suivant >" by itself.
    QTest::newRow("Return after the last box")
        << "Test3c"
        << "vxw" << int(Qt::Key_Return) << int(Qt::NoModifier) << false << "Test3d" << 1;
    QTest::newRow("Return in a box") << "Test3c"
                                     << "v" << int(Qt::Key_Return) << int(Qt::NoModifier) << false << "Test3c"
                                     << 0;
    QTest::newRow("keypad Enter in a box")
        << "Test3c"
        << "vx" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << "Test3c" << 0;
    // A held key repeats into whatever has the focus on the screens that follow.
    QTest::newRow("repeat of a held Return")
        << "Test3c"
        << "vxw" << int(Qt::Key_Return) << int(Qt::NoModifier) << true << "Test3c" << 0;
    // Nor does a held mnemonic: its repeats would answer the items that follow.
    QTest::newRow("repeat of a held Alt+S")
        << "Test3c"
        << "vxw" << int(Qt::Key_S) << int(Qt::AltModifier) << true << "Test3c" << 0;
}

void tst_Reasoning::enterPressesOnlyTheFocusedButton()
{
    QFETCH(QString, screen);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, autoRepeat);
    QFETCH(QString, shown);
    QFETCH(int, points);

    Harness h;
    h.start();
    QWidget *window = h.showAlone(screen);
    QVERIFY(typeInto(window, typed));
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    // As from the keyboard: shortcuts first, then the focused control.
    QTest::simulateEvent(focused, true, key, Qt::KeyboardModifiers(modifiers), QString(), autoRepeat);

    QCOMPARE(h.forms.visibleNames(), QStringList { shown });
    QCOMPARE(h.titre().Score, qint16(points));
}

void tst_Reasoning::rightAnswers_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("next");

    for (int k = 0; k < ItemScreens.size(); ++k) {
        const QString next = k + 1 < ItemScreens.size() ? ItemScreens[k + 1] : QString("Presentation4");
        const QString key = Keys[k];
        QTest::addRow("%s, upper case", qPrintable(ItemScreens[k])) << ItemScreens[k] << key << next;
        if (key.toLower() == key)
            continue; // a digit item
        QTest::addRow("%s, lower case", qPrintable(ItemScreens[k]))
            << ItemScreens[k] << key.toLower() << next;
        QString mixed = key;
        for (int i = 0; i < mixed.size(); i += 2)
            mixed[i] = mixed[i].toLower();
        QTest::addRow("%s, mixed case", qPrintable(ItemScreens[k])) << ItemScreens[k] << mixed << next;
    }
}

void tst_Reasoning::rightAnswers()
{
    QFETCH(QString, screen);
    QFETCH(QString, answer);
    QFETCH(QString, next);

    Harness h;
    h.start();
    h.titre().Score = 40;
    auto item = qobject_cast<ReasoningItem *>(h.showAlone(screen));
    QVERIFY(typeInto(item, answer));
    QCOMPARE(textsOf(item), answer);
    QVERIFY(clickButton(item, "Command2"));

    QCOMPARE(h.titre().Score, qint16(41));
    QCOMPARE(h.forms.visibleNames(), QStringList { next });
    QVERIFY(!h.forms.isLoaded(screen));
}

void tst_Reasoning::wrongAnswers_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("answer");

    QTest::newRow("digits in another order") << "Test3e"
                                             << "321";
    QTest::newRow("two digits swapped") << "Test3e"
                                        << "213";
    QTest::newRow("series reversed") << "Test3f"
                                     << "37";
    QTest::newRow("five of six letters") << "Test3b"
                                         << "fleur";
    QTest::newRow("a blank in a box") << "Test3c"
                                      << "V W";
    QTest::newRow("a blank alone") << "Test3a"
                                   << " ";
    QTest::newRow("a letter for a digit") << "Test3m"
                                          << "A";
    QTest::newRow("one wrong letter") << "Test3j"
                                      << "VEND";
    QTest::newRow("empty") << "Test3h"
                           << "";
}

void tst_Reasoning::wrongAnswers()
{
    QFETCH(QString, screen);
    QFETCH(QString, answer);

    Harness h;
    h.start();
    auto item = qobject_cast<ReasoningItem *>(h.showAlone(screen));
    QVERIFY(typeInto(item, answer));
    QVERIFY(clickButton(item, "Command2"));
    QCOMPARE(h.titre().Score, qint16(0));
    QVERIFY(!h.forms.isLoaded(screen));
    QCOMPARE(h.forms.visibleNames().size(), 1);
}

void tst_Reasoning::wholeTest_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("points");

    QStringList lowerCase;
    for (const QString &key : Keys)
        lowerCase.append(key.toLower());
    QTest::newRow("every item right") << Keys << 13;
    QTest::newRow("every item right, lower case") << lowerCase << 13;
    QTest::newRow("every item empty") << QStringList(Keys.size(), QString()) << 0;
}

void tst_Reasoning::wholeTest()
{
    QFETCH(QStringList, answers);
    QFETCH(int, points);

    Harness h;
    h.start();
    h.titre().Score = 50;
    Presentation3 *instructions = startReasoningTest(h);
    QVERIFY(instructions);
    for (const QString &answer : answers) {
        ReasoningItem *item = itemOnDisplay(h);
        QVERIFY(typeInto(item, answer));
        QVERIFY(clickButton(item, "Command2"));
        QCOMPARE(h.forms.visibleNames().size(), 1);
    }
    QCOMPARE(h.titre().Score, qint16(50 + points));
    QCOMPARE(h.forms.visibleNames(), QStringList { "Presentation4" });
    QCOMPARE(h.forms.loadedNames(), (QStringList { "Titre", "Presentation3", "Presentation4" }));
    QVERIFY(!instructions->Timer1->isActive());
}

void tst_Reasoning::puzzleLayout_data()
{
    QTest::addColumn<QString>("screen");
    for (const QString &screen : ItemScreens)
        QTest::newRow(qPrintable(screen)) << screen;
}

void tst_Reasoning::puzzleLayout()
{
    // Whatever face is found here, no text is cut, nothing overlaps, and the puzzle stays on the
    // screen.
    QFETCH(QString, screen);

    Harness h;
    h.start();
    auto item = qobject_cast<ReasoningItem *>(h.showAlone(screen));
    const ReasoningItems::Item &entry = item->item();
    QWidget *puzzle = item->Frame1 ? static_cast<QWidget *>(item->Frame1) : item;
    QCOMPARE(item->size(), QSize(827, 615));
    QCOMPARE(item->Text2.size(), int(entry.key.size()));
    QCOMPARE(item->captions.size(), int(entry.captions.size()));

    QList<QRect> inks;
    for (const QLabel *label : item->captions) {
        QCOMPARE(label->parentWidget(), puzzle);
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
            qPrintable(label->objectName() + " is cut"));
        QVERIFY(!label->wordWrap());
        inks.append(QRect(label->x(), label->y(), inkRight(label) - label->x(), label->height()));
    }
    for (int i = 0; i < item->Text2.size(); ++i) {
        const QLineEdit *box = item->Text2[i];
        QCOMPARE(box->size(), QSize(33, 33));
        QCOMPARE(box->accessibleName(),
            QStringLiteral("Case %1 sur %2")
                .arg(QString::number(i + 1), QString::number(item->Text2.size())));
        QCOMPARE(box->parentWidget(), puzzle);
        QCOMPARE(box->y(), px(entry.boxes[i].top));
        // Boxes designed side by side stay one strip of cells.
        if (i > 0 && entry.boxes[i].top == entry.boxes[i - 1].top
            && entry.boxes[i].left - entry.boxes[i - 1].left == ReasoningItems::BoxPitch)
            QCOMPARE(box->x() - item->Text2[i - 1]->x(), px(ReasoningItems::BoxPitch));
        for (const QRect &ink : inks)
            QVERIFY2(!ink.intersects(box->geometry()), qPrintable(QString("box %1 covers a text").arg(i)));
        // A box that completes a term sits right after it.
        if (entry.boxes[i].followsText) {
            const QLabel *term = item->captions.first();
            QCOMPARE(box->x(), term->x() + term->fontMetrics().horizontalAdvance(term->text()));
        }
    }
    for (int a = 0; a < inks.size(); ++a) {
        for (int b = a + 1; b < inks.size(); ++b)
            QVERIFY(!inks[a].intersects(inks[b]));
    }
    const QRect area = puzzle == item ? item->rect() : QRect(QPoint(0, 0), puzzle->size());
    for (const QWidget *control : puzzle->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(area.contains(control->geometry()), qPrintable(control->objectName() + " off its area"));
    if (item->Frame1)
        QVERIFY(item->rect().contains(item->Frame1->geometry()));

    // Figures written below the words of the first line stand under their word.
    const QLabel *words = item->captions.first();
    const QString line = words->text();
    QList<QPair<int, int>> spans;
    auto matches = QRegularExpression("\\S+").globalMatch(line);
    while (matches.hasNext()) {
        const auto match = matches.next();
        const int start
            = words->x() + words->fontMetrics().horizontalAdvance(line.left(match.capturedStart()));
        spans.append({ start, start + words->fontMetrics().horizontalAdvance(match.captured()) });
    }
    auto checkUnder = [&spans](int word, const QWidget *control, int width) {
        if (word == ReasoningItems::NoWord)
            return;
        const int centre = control->x() + width / 2;
        QVERIFY2(centre > spans[word].first && centre < spans[word].second,
            qPrintable(control->objectName() + " is not under its word"));
    };
    for (int i = 0; i < item->captions.size(); ++i)
        checkUnder(entry.captions[i].underWord, item->captions[i],
            inkRight(item->captions[i]) - item->captions[i]->x());
    for (int i = 0; i < item->Text2.size(); ++i)
        checkUnder(entry.boxes[i].underWord, item->Text2[i], item->Text2[i]->width());
}

void tst_Reasoning::abandonEnds()
{
    Harness h;
    h.start();
    QVERIFY(clickButton(h.showAlone("Presentation3"), "Abandon"));
    QVERIFY(h.forms.hasEnded());
    QVERIFY(h.forms.loadedNames().isEmpty());
    QCOMPARE(h.quitCalls, 1);
}

void tst_Reasoning::closingAnItemEnds()
{
    Harness h;
    QPointer<Presentation3> instructions = startReasoningTest(h);
    QVERIFY(instructions);
    QVERIFY(clickButton(itemOnDisplay(h), "Command2"));
    itemOnDisplay(h)->close();
    QVERIFY(h.forms.hasEnded());
    QVERIFY(h.forms.loadedNames().isEmpty());
    QCOMPARE(h.quitCalls, 1);
    QVERIFY(!instructions->Timer1->isActive());
    Harness::flushDeletes();
    QVERIFY(instructions.isNull());
}

QTEST_MAIN(tst_Reasoning)
#include "tst_reasoning.moc"
