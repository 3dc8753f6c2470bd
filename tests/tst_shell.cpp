// The session shell: title screen, instruction screens, test clock, computation and results
// screens, and the chain that links them.
#include "testsupport.h"

#include "calcul1.h"
#include "gifwriter.h"
#include "inputbox.h"
#include "instructionscreen.h"
#include "picturebox.h"
#include "pictures.h"
#include "resultats.h"
#include "screenchain.h"
#include "testlist.h"
#include "timedtest.h"
#include "titre.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHash>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gif_lib.h>

#include <algorithm>
#include <utility>
#include <vector>

#if __has_include(<xcb/xproto.h>)
#include <xcb/xproto.h>
#endif

namespace {

// A timed test with no questions: only its clock, to drive the shared clock and the hand-over.
class StandInTest : public TimedTest {
public:
    explicit StandInTest(Forms &forms)
        : TimedTest(forms, 11415, 8820)
    {
    }
    int timeOuts = 0;

protected:
    void Form_Load() override { startClock(); }
    void timeOut() override
    {
        ++timeOuts;
        showNext();
        Unload();
    }
};

void replaceByStandIn(Harness &h, const QString &name)
{
    h.replaceScreen(name, [](Forms &f) -> Form * { return new StandInTest(f); });
}

// The text of the named label, or a text no screen shows when the label is not there.
QString labelText(QWidget *screen, const char *name)
{
    const auto found = screen ? screen->findChild<QLabel *>(QString::fromLatin1(name)) : nullptr;
    return found ? found->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

// A GIF written by hand, with what the program's own pictures never use but a replacement may.
struct CraftedGif {
    int screenWidth = 40, screenHeight = 30;
    int left = 0, top = 0, width = 40, height = 30;
    bool interlaced = false;
    bool localColours = false;
    int transparent = -1;
};

int appendToByteArray(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

QByteArray craftedGif(const CraftedGif &crafted)
{
    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, appendToByteArray, &error);
    if (!gif)
        return QByteArray();
    std::vector<GifColorType> colours;
    for (int i = 0; i < 16; ++i)
        colours.push_back(GifColorType { GifByteType(i * 16), GifByteType(255 - i * 8), GifByteType(i * 5) });
    ColorMapObject *global = GifMakeMapObject(16, colours.data());
    std::reverse(colours.begin(), colours.end());
    ColorMapObject *local = GifMakeMapObject(16, colours.data());
    bool written
        = EGifPutScreenDesc(gif, crafted.screenWidth, crafted.screenHeight, 4, 3, global) != GIF_ERROR;
    if (crafted.transparent >= 0) {
        EGifSetGifVersion(gif, true);
        GraphicsControlBlock control {};
        control.TransparentColor = crafted.transparent;
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        written = written && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_ERROR;
    }
    written = written
        && EGifPutImageDesc(gif, crafted.left, crafted.top, crafted.width, crafted.height, crafted.interlaced,
               crafted.localColours ? local : nullptr)
            != GIF_ERROR;
    // Rows in the order the file holds them; each row its own pattern, so a row out of place shows.
    std::vector<int> rows;
    for (const auto &[start, step] : crafted.interlaced
            ? std::vector<std::pair<int, int>> { { 0, 8 }, { 4, 8 }, { 2, 4 }, { 1, 2 } }
            : std::vector<std::pair<int, int>> { { 0, 1 } }) {
        for (int y = start; y < crafted.height; y += step)
            rows.push_back(y);
    }
    std::vector<GifPixelType> line(size_t(crafted.width));
    for (int y : rows) {
        for (int x = 0; x < crafted.width; ++x)
            line[size_t(x)] = GifPixelType((x / 3 + y * 5) % 16);
        written = written && EGifPutLine(gif, line.data(), crafted.width) != GIF_ERROR;
    }
    written = EGifCloseFile(gif, &error) != GIF_ERROR && written;
    GifFreeMapObject(global);
    GifFreeMapObject(local);
    return written ? bytes : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(CraftedGif)

class tst_Shell : public ScreenSuite {
    Q_OBJECT

private slots:
    void startsOnTitleWithSessionDefaults();
    void namePrompt_data();
    void namePrompt();
    void timeLimitPrompt_data();
    void timeLimitPrompt();
    void timeLimitPromptAlwaysOffers120();
    void onlyF5OnSuivantOpensTheTimePrompt();
    void showShowsThatVeryScreen();
    void heldEnterDoesNotAnswerThePrompt();
    void promptsAreOwnedByTheTitleScreen_data();
    void promptsAreOwnedByTheTitleScreen();

    void timeSentence_data();
    void timeSentence();
    void fixedSentencesIgnoreTheLimit();
    void explanationsFitWithoutOverlap_data();
    void explanationsFitWithoutOverlap();
    void instructionScreenStopsThePreviousClock_data();
    void instructionScreenStopsThePreviousClock();
    void suivantStartsTheTestAndUnloads();

    void clockCaption_data();
    void clockCaption();
    void timeOutHandsOverOnce();
    void eachClockRunsByItsOwnTimer_data();
    void eachClockRunsByItsOwnTimer();

    void computationScreen_data();
    void computationScreen();

    void results_data();
    void results();
    void restartKeepsTheSession();

    void abandonEnds_data();
    void abandonEnds();
    void closingAWindowEnds_data();
    void closingAWindowEnds();

    void startUpCheckListsMissingPictures();
    void logoIsCutToItsBox();
    void replacedLogoShowsFromTheNextScreen();
    void doubleSizeLookup_data();
    void doubleSizeLookup();
    void gifDecodesAsQtShowsIt_data();
    void gifDecodesAsQtShowsIt();
    void embeddedExampleKeepsItsLayoutAtDoubleSize();
    void missingDecorationLeavesTheBoxEmpty();
};

void tst_Shell::startsOnTitleWithSessionDefaults()
{
    Harness h;
    h.start();
    QCOMPARE(h.forms.visibleNames(), QStringList { "Titre" });
    Titre &titre = h.titre();
    QCOMPARE(titre.Time, qint16(120));
    QCOMPARE(titre.Score, qint16(0));
    QCOMPARE(titre.BestScore, qint16(0));
    QCOMPARE(titre.BestScoreOwner, QString("tout le monde"));
    QVERIFY(titre.Prenom.isEmpty());
    QCOMPARE(titre.focusWidget(), titre.Command1);
    QCOMPARE(titre.windowTitle(), QString("Simulation de Sélection Pilotes - VALDOR"));
}

void tst_Shell::namePrompt_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("ends");

    QTest::newRow("a name") << QStringList { "Zoé" } << false;
    QTest::newRow("blanks only are a name") << QStringList { "   " } << false;
    QTest::newRow("empty answer") << QStringList { "" } << true;
    QTest::newRow("cancel") << QStringList {} << true;
}

void tst_Shell::namePrompt()
{
    QFETCH(QStringList, answers);
    QFETCH(bool, ends);

    Harness h;
    h.answers = answers;
    h.start();
    Titre &titre = h.titre();
    QVERIFY(clickButton(&titre, "Command1"));

    QCOMPARE(h.prompts, QStringList { "Veuillez entrer votre prénom (obligatoire) :" });
    QCOMPARE(h.defaults, QStringList { "" });
    QCOMPARE(h.forms.hasEnded(), ends);
    if (ends) {
        QVERIFY(h.forms.loadedNames().isEmpty());
        QCOMPARE(h.quitCalls, 1);
        return;
    }
    QCOMPARE(titre.Prenom, answers.first());
    QCOMPARE(h.forms.visibleNames(), QStringList { "Presentation1" });
    QCOMPARE(h.forms.loadedNames(), (QStringList { "Titre", "Presentation1" }));
}

void tst_Shell::timeLimitPrompt_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("time");
    QTest::addColumn<bool>("refused");

    QTest::newRow("whole") << "fr_FR"
                           << "60" << 60 << false;
    QTest::newRow("french comma, half to even down") << "fr_FR"
                                                     << "60,5" << 60 << false;
    QTest::newRow("french comma, half to even up") << "fr_FR"
                                                   << "61,5" << 62 << false;
    QTest::newRow("plain point under french settings") << "fr_FR"
                                                       << "60.5" << 60 << false;
    QTest::newRow("english point") << "en_US"
                                   << "90.7" << 91 << false;
    QTest::newRow("blanks around") << "fr_FR"
                                   << " 75 " << 75 << false;
    QTest::newRow("zero is kept") << "fr_FR"
                                  << "0" << 0 << false;
    QTest::newRow("negative is kept") << "fr_FR"
                                      << "-5" << -5 << false;
    QTest::newRow("largest") << "fr_FR"
                             << "32767,4" << 32767 << false;
    QTest::newRow("smallest, half to even") << "fr_FR"
                                            << "-32768,5" << -32768 << false;
    QTest::newRow("empty keeps the limit silently") << "fr_FR"
                                                    << "" << 120 << false;
    QTest::newRow("letters") << "fr_FR"
                             << "deux" << 120 << true;
    QTest::newRow("too large") << "fr_FR"
                               << "32767,5" << 120 << true;
    QTest::newRow("too small") << "fr_FR"
                               << "-40000" << 120 << true;
    QTest::newRow("not finite") << "en_US"
                                << "inf" << 120 << true;
    QTest::newRow("a placeholder typed in") << "fr_FR"
                                            << "%2" << 120 << true;
    QTest::newRow("a place marker is quoted as typed") << "fr_FR"
                                                       << "%1" << 120 << true;
    QTest::newRow("markup is shown as typed")
        << "fr_FR"
        << "<b>gras</b><img src=\"/usr/share/pixmaps/debian-logo.png\">" << 120 << true;
}

void tst_Shell::timeLimitPrompt()
{
    QFETCH(QString, locale);
    QFETCH(QString, answer);
    QFETCH(int, time);
    QFETCH(bool, refused);

    QLocale::setDefault(QLocale(locale));
    Harness h;
    h.answers = QStringList { answer };
    // The real message box, read while it is up.
    QString boxText;
    Qt::TextFormat boxFormat = Qt::AutoText;
    h.forms.setMessageBox([&](QWidget *owner, const QString &text) {
        h.messages.append(text);
        QTimer::singleShot(0, [&] {
            if (auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxText = box->text();
                boxFormat = box->textFormat();
                box->accept();
            }
        });
        showWarning(owner, text);
    });
    h.start();
    Titre &titre = h.titre();
    QTest::keyClick(titre.Command1, Qt::Key_F5);

    QCOMPARE(h.prompts, QStringList { "Nouveau temps limite :" });
    QCOMPARE(titre.Time, qint16(time));
    QCOMPARE(h.messages.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(h.messages.first(),
            "La valeur « " + answer + " » n'est pas acceptée : la limite de temps reste de 120 secondes.");
        QCOMPARE(boxText, h.messages.first());
        QCOMPARE(boxFormat, Qt::PlainText);
    }
    QCOMPARE(h.forms.visibleNames(), QStringList { "Titre" });
}

void tst_Shell::timeLimitPromptAlwaysOffers120()
{
    Harness h;
    h.answers = QStringList { "60", "" };
    h.start();
    Titre &titre = h.titre();
    QTest::keyClick(titre.Command1, Qt::Key_F5);
    QTest::keyClick(titre.Command1, Qt::Key_F5, Qt::ShiftModifier);
    QCOMPARE(h.defaults, (QStringList { "120", "120" }));
    QCOMPARE(titre.Time, qint16(60));
}

void tst_Shell::onlyF5OnSuivantOpensTheTimePrompt()
{
    Harness h;
    h.answers = QStringList { "60" };
    h.start();
    Titre &titre = h.titre();
    QTest::keyClick(titre.Command1, Qt::Key_F4);
    QTest::keyClick(titre.Abandon, Qt::Key_F5);
    QVERIFY(h.prompts.isEmpty());
    QCOMPARE(titre.Time, qint16(120));
}

void tst_Shell::showShowsThatVeryScreen()
{
    // The reasoning items are screens of one class: Show must not take one for another.
    Harness h;
    h.start();
    Form *first = h.showAlone("Test3a");
    Form *second = h.show("Test3b");
    first->Hide();
    second->Hide();
    second->Show();
    QCOMPARE(h.forms.visibleNames(), QStringList { "Test3b" });
}

void tst_Shell::heldEnterDoesNotAnswerThePrompt()
{
    // The Enter that pressed "&Suivant >" goes on repeating into the name prompt. A new Enter
    // answers it once released: the prompt is still there to receive the release.
    bool openAfterRepeat = false;
    bool openWhilePressed = false;
    QTimer::singleShot(0, [&] {
        QWidget *prompt = QApplication::activeModalWidget();
        auto box = prompt->findChild<QLineEdit *>();
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(box, &repeat);
        openAfterRepeat = prompt->isVisible();
        QTest::keyClicks(box, "Lea");
        QTest::keyPress(box, Qt::Key_Return);
        openWhilePressed = prompt->isVisible();
        QTest::keyRelease(box, Qt::Key_Return);
    });
    const QString answer
        = askText(nullptr, "Veuillez entrer votre prénom (obligatoire) :", "Votre prénom", QString());
    QVERIFY(openAfterRepeat);
    QVERIFY(openWhilePressed);
    QCOMPARE(answer, QString("Lea"));
}

void tst_Shell::promptsAreOwnedByTheTitleScreen_data()
{
    QTest::addColumn<Qt::Key>("key"); // pressed on "Suivant"; none: "Suivant" is clicked
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("dialogs"); // as they come up, each answered in turn
    QTest::addColumn<QString>("after"); // the screen that has the keyboard once they are gone

    QTest::newRow("name prompt") << Qt::Key_unknown << "Zoé" << QStringList { "QInputDialog" }
                                 << "Presentation1";
    QTest::newRow("time-limit prompt") << Qt::Key_F5 << "60" << QStringList { "QInputDialog" } << "Titre";
    QTest::newRow("refused time limit, its message")
        << Qt::Key_F5 << "abc" << QStringList { "QInputDialog", "QMessageBox" } << "Titre";
}

void tst_Shell::promptsAreOwnedByTheTitleScreen()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, answer);
    QFETCH(QStringList, dialogs);
    QFETCH(QString, after);

    // The real prompt and message, each looked at while it is up and then answered. Owned, a
    // dialog has its screen's window as the window system's owner: it stays above it, has no
    // taskbar button of its own, and the keyboard goes back to the screen when it closes.
    Harness h;
    QStringList seen;
    QStringList unowned;
    const auto lookAndAnswer = [&] {
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog) {
                seen.append("no dialog up");
                return;
            }
            seen.append(QString::fromLatin1(dialog->metaObject()->className()));
            QWidget *titre = &h.titre();
            const QWindow *owner
                = dialog->windowHandle() ? dialog->windowHandle()->transientParent() : nullptr;
            if (dialog->parentWidget() != titre || owner != titre->windowHandle()
                || dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
                unowned.append(seen.constLast());
            if (auto prompt = qobject_cast<QInputDialog *>(dialog))
                prompt->setTextValue(answer);
            static_cast<QDialog *>(dialog)->accept();
        });
    };
    h.forms.setInputBox(
        [&](QWidget *owner, const QString &prompt, const QString &title, const QString &defaultText) {
            lookAndAnswer();
            return askText(owner, prompt, title, defaultText);
        });
    h.forms.setMessageBox([&](QWidget *owner, const QString &text) {
        lookAndAnswer();
        showWarning(owner, text);
    });
    h.start();
    Titre &titre = h.titre();
    QVERIFY(QTest::qWaitForWindowActive(&titre));
    if (key == Qt::Key_unknown)
        QVERIFY(clickButton(&titre, "Command1"));
    else
        QTest::keyClick(titre.Command1, key);

    QCOMPARE(seen, dialogs);
    QVERIFY2(unowned.isEmpty(), qPrintable(unowned.join(", ") + " not owned by the title screen"));
    Form *screen = h.forms.find(after);
    QVERIFY(QTest::qWaitForWindowActive(screen));
    QCOMPARE(QApplication::focusWidget(), screen->findChild<QWidget *>("Command1"));
}

void tst_Shell::timeSentence_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("time");
    QTest::addColumn<QString>("sentence");

    const QString twoMinutes = "Vous avez 2 minutes pour trouver le plus possible de bonnes réponses.";
    for (const char *screen : { "Presentation1", "Presentation2", "Presentation4", "Presentation5" }) {
        QTest::addRow("%s, 120", screen) << screen << 120 << twoMinutes;
        QTest::addRow("%s, 90", screen)
            << screen << 90 << "Vous avez 90 secondes pour trouver le plus possible de bonnes réponses.";
        QTest::addRow("%s, -5", screen)
            << screen << -5 << "Vous avez -5 secondes pour trouver le plus possible de bonnes réponses.";
    }
}

void tst_Shell::timeSentence()
{
    QFETCH(QString, screen);
    QFETCH(int, time);
    QFETCH(QString, sentence);

    Harness h;
    h.start();
    h.titre().Time = qint16(time);
    QWidget *shown = h.show(screen);
    QCOMPARE(labelText(shown, "Label7"), sentence);
}

void tst_Shell::fixedSentencesIgnoreTheLimit()
{
    Harness h;
    h.start();
    h.titre().Time = 90;
    QWidget *dials = h.show("Presentation4");
    QVERIFY(labelText(dials, "Explications")
                .endsWith("Vous avez 2 minutes pour trouver le plus possible de bonnes réponses."));
    QWidget *lengths = h.show("Presentation5");
    QVERIFY(labelText(lengths, "Label6").endsWith("Vous avez deux minutes pour effectuer ce test."));
}

void tst_Shell::explanationsFitWithoutOverlap_data()
{
    QTest::addColumn<QString>("screen");
    for (const char *screen :
        { "Presentation1", "Presentation2", "Presentation3", "Presentation4", "Presentation5" })
        QTest::newRow(screen) << screen;
}

void tst_Shell::explanationsFitWithoutOverlap()
{
    QFETCH(QString, screen);

    Harness h;
    h.start();
    h.titre().Time = -32768; // the longest time sentence
    QWidget *shown = h.showAlone(screen);
    const QList<QLabel *> labels = shown->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (!label->wordWrap() || label->text().isEmpty())
            continue;
        QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
        const QRect area = label->parentWidget()->rect();
        QVERIFY2(area.contains(label->geometry()), qPrintable(label->objectName() + " out of its frame"));
        for (const QLabel *other : labels) {
            if (other != label && other->parentWidget() == label->parentWidget() && !other->text().isEmpty())
                QVERIFY2(!label->geometry().intersects(other->geometry()),
                    qPrintable(label->objectName() + " runs into " + other->objectName()));
        }
    }
}

void tst_Shell::instructionScreenStopsThePreviousClock_data()
{
    QTest::addColumn<QString>("test");
    QTest::addColumn<QString>("instructions");

    QTest::newRow("spatial test, then paths") << "Test1"
                                              << "Presentation2";
    QTest::newRow("path test, then reasoning") << "Test2"
                                               << "Presentation3";
    QTest::newRow("dial test, then lengths") << "Test4"
                                             << "Presentation5";
}

void tst_Shell::instructionScreenStopsThePreviousClock()
{
    QFETCH(QString, test);
    QFETCH(QString, instructions);

    Harness h;
    replaceByStandIn(h, test);
    h.start();
    auto running = qobject_cast<TimedTest *>(h.show(test));
    QVERIFY(running->Timer1->isActive());
    h.show(instructions);
    QVERIFY(!running->Timer1->isActive());
}

void tst_Shell::suivantStartsTheTestAndUnloads()
{
    Harness h;
    replaceByStandIn(h, "Test1");
    h.start();
    h.clock.seconds = 1000;
    QWidget *instructions = h.showAlone("Presentation1");
    h.clock.advance(300); // reading the instructions does not count
    QVERIFY(clickButton(instructions, "Command1"));

    QCOMPARE(h.forms.visibleNames(), QStringList { "Test1" });
    QVERIFY(!h.forms.isLoaded("Presentation1"));
    auto test = h.forms.find<TimedTest>();
    QVERIFY(test->Timer1->isActive());
    QCOMPARE(test->StartTime, 1300.0);
    QVERIFY(test->Horloge->text().isEmpty());
}

void tst_Shell::clockCaption_data()
{
    QTest::addColumn<int>("time");
    QTest::addColumn<double>("elapsed");
    QTest::addColumn<QString>("caption"); // empty: the test has timed out

    QTest::newRow("first second") << 120 << 0.1 << "02:00";
    QTest::newRow("just before one second") << 120 << 0.99 << "02:00";
    QTest::newRow("one second") << 120 << 1.0 << "01:59";
    QTest::newRow("61 seconds") << 120 << 61.0 << "00:59";
    QTest::newRow("last second") << 120 << 119.9 << "00:01";
    QTest::newRow("time-out, never 00:00") << 120 << 120.0 << "";
    QTest::newRow("late tick") << 120 << 135.0 << "";
    QTest::newRow("5 seconds") << 5 << 0.1 << "00:05";
    QTest::newRow("5 seconds, last") << 5 << 4.5 << "00:01";
    QTest::newRow("6000 seconds") << 6000 << 0.1 << "100:00";
    QTest::newRow("zero") << 0 << 0.1 << "";
    QTest::newRow("negative") << -5 << 0.1 << "";
}

void tst_Shell::clockCaption()
{
    QFETCH(int, time);
    QFETCH(double, elapsed);
    QFETCH(QString, caption);

    Harness h;
    replaceByStandIn(h, "Test1");
    h.start();
    h.titre().Time = qint16(time);
    auto test = qobject_cast<TimedTest *>(h.showAlone("Test1"));
    h.clock.advance(elapsed);
    test->Timer1_Timer();

    if (caption.isEmpty()) {
        QCOMPARE(h.forms.visibleNames(), QStringList { "Presentation2" });
        QVERIFY(!h.forms.isLoaded("Test1"));
    } else {
        QCOMPARE(test->Horloge->text(), caption);
        QCOMPARE(h.forms.visibleNames(), QStringList { "Test1" });
    }
}

void tst_Shell::timeOutHandsOverOnce()
{
    Harness h;
    replaceByStandIn(h, "Test5");
    h.start();
    h.titre().Time = 1;
    auto test = static_cast<StandInTest *>(h.showAlone("Test5"));
    h.clock.advance(2);
    test->Timer1_Timer();
    test->Timer1_Timer(); // a tick already queued when the first one handed over
    QCOMPARE(test->timeOuts, 1);
    QVERIFY(!test->Timer1->isActive());
    // Which screen follows is the chain's: tst_fullpass states it.
    QCOMPARE(h.forms.visibleNames(), QStringList { h.forms.nextOf(h.forms.idOf("Test5")) });
}

void tst_Shell::eachClockRunsByItsOwnTimer_data()
{
    QTest::addColumn<QString>("screen");

    // Each test's clock, on its timed screen or, for the reasoning test, on its instruction screen.
    for (const TestDescriptor *test : Tests::All) {
        const char *screen = *test->testScreen ? test->testScreen : test->instructionScreen;
        QTest::newRow(test->stem) << screen;
    }
    QTest::newRow("computation") << "Calcul1";
}

void tst_Shell::eachClockRunsByItsOwnTimer()
{
    QFETCH(QString, screen);

    // No tick is delivered by hand: the screen's own QTimer must notice that the time is up.
    Harness h;
    h.start();
    QWidget *shown = h.showAlone(screen);
    // A clock on an instruction screen starts with the test, whose items then give way to the
    // screen after the test; which one that is, tst_fullpass states.
    const int id = h.forms.idOf(screen);
    QString next = h.forms.nextOf(id);
    if (qobject_cast<InstructionScreen *>(shown)) {
        QVERIFY(clickButton(shown, "Command1"));
        next = h.forms.afterTimeOutOf(h.forms.idOf(next));
    }
    h.clock.advance(h.titre().Time + 30);
    QTRY_COMPARE(h.forms.visibleNames(), QStringList { next });
}

void tst_Shell::computationScreen_data()
{
    QTest::addColumn<QList<double>>("ticks"); // seconds after the load
    QTest::addColumn<bool>("frameShown");
    QTest::addColumn<int>("barValue");
    QTest::addColumn<bool>("resultsShown");

    QTest::newRow("first seconds") << QList<double> { 0.5, 1.0, 4.5 } << false << 4 << false;
    QTest::newRow("five seconds") << QList<double> { 0.5, 5.0 } << true << 5 << false;
    QTest::newRow("frame stays") << QList<double> { 5.0, 5.5, 12.0 } << true << 12 << false;
    QTest::newRow("thirty seconds") << QList<double> { 29.5, 30.0 } << true << 30 << true;
    QTest::newRow("late tick skips five") << QList<double> { 4.0, 6.5 } << true << 6 << false;
    QTest::newRow("late tick skips thirty") << QList<double> { 29.5, 31.5 } << true << 30 << true;
}

void tst_Shell::computationScreen()
{
    QFETCH(QList<double>, ticks);
    QFETCH(bool, frameShown);
    QFETCH(int, barValue);
    QFETCH(bool, resultsShown);

    Harness h;
    h.start();
    const double loadedAt = h.clock.seconds;
    auto calcul = qobject_cast<Calcul1 *>(h.show("Calcul1"));
    QCOMPARE(calcul->ProgressBar1->value(), 0);
    QVERIFY(calcul->Timer1->isActive());
    for (double at : ticks) {
        h.clock.seconds = loadedAt + at;
        calcul->Timer1_Timer();
    }
    QCOMPARE(calcul->Frame1->isVisibleTo(calcul), frameShown);
    QCOMPARE(calcul->ProgressBar1->value(), barValue);
    QCOMPARE(h.forms.isLoaded("Resultats"), resultsShown);
    QCOMPARE(h.forms.isLoaded("Calcul1"), !resultsShown);
    QCOMPARE(calcul->Timer1->isActive(), !resultsShown);
}

void tst_Shell::results_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("bestBefore");
    QTest::addColumn<QString>("ownerBefore");
    QTest::addColumn<QString>("greeting");
    QTest::addColumn<QString>("bestSentence");

    const QString sentence
        = "Sur cette machine, lors de cette session, le meilleur score est de %1 et a été obtenu par %2.";
    QTest::newRow("59") << 59 << 0 << "tout le monde"
                        << "Pas mal, Zoé !" << sentence.arg(59).arg("Zoé");
    QTest::newRow("60") << 60 << 0 << "tout le monde"
                        << "Super, Zoé !" << sentence.arg(60).arg("Zoé");
    QTest::newRow("nobody above 0") << 0 << 0 << "tout le monde"
                                    << "Pas mal, Zoé !" << sentence.arg(0).arg("tout le monde");
    QTest::newRow("a tie keeps the holder") << 12 << 12 << "Ana"
                                            << "Pas mal, Zoé !" << sentence.arg(12).arg("Ana");
    QTest::newRow("one more takes it") << 13 << 12 << "Ana"
                                       << "Pas mal, Zoé !" << sentence.arg(13).arg("Zoé");
    QTest::newRow("173") << 173 << 90 << "Ana"
                         << "Super, Zoé !" << sentence.arg(173).arg("Zoé");
}

void tst_Shell::results()
{
    QFETCH(int, score);
    QFETCH(int, bestBefore);
    QFETCH(QString, ownerBefore);
    QFETCH(QString, greeting);
    QFETCH(QString, bestSentence);

    Harness h;
    h.start();
    Titre &titre = h.titre();
    titre.Prenom = "Zoé";
    titre.Score = qint16(score);
    titre.BestScore = qint16(bestBefore);
    titre.BestScoreOwner = ownerBefore;
    auto results = qobject_cast<Resultats *>(h.show("Resultats"));
    QCOMPARE(results->Label1->text(), greeting);
    QCOMPARE(results->Label2->text(), QString::number(score));
    QCOMPARE(results->Label5->text(), bestSentence);
}

void tst_Shell::restartKeepsTheSession()
{
    Harness h;
    h.answers = QStringList { "60", "Ana" };
    h.start();
    Titre &titre = h.titre();
    QTest::keyClick(titre.Command1, Qt::Key_F5);
    QVERIFY(clickButton(&titre, "Command1"));
    titre.Score = 12;
    h.show("Resultats");
    titre.Hide(); // as when the chain comes back from the tests
    h.forms.find("Presentation1")->Unload();
    QVERIFY(clickButton(h.forms.find("Resultats"), "Command1"));
    Harness::flushDeletes();

    QCOMPARE(h.forms.visibleNames(), QStringList { "Titre" });
    QCOMPARE(h.forms.loadedNames(), QStringList { "Titre" });
    QCOMPARE(titre.Score, qint16(0));
    QCOMPARE(titre.Time, qint16(60));
    QCOMPARE(titre.BestScore, qint16(12));
    QCOMPARE(titre.BestScoreOwner, QString("Ana"));
    QCOMPARE(titre.focusWidget(), titre.Command1);

    // The next candidate is asked for a name again; the limit still applies.
    h.answers = QStringList { "Zoé" };
    QVERIFY(clickButton(&titre, "Command1"));
    QCOMPARE(titre.Prenom, QString("Zoé"));
    QCOMPARE(labelText(h.forms.find("Presentation1"), "Label7"),
        QString("Vous avez 60 secondes pour trouver le plus possible de bonnes réponses."));
}

void tst_Shell::abandonEnds_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    for (const char *screen : { "Titre", "Presentation1", "Presentation2", "Presentation4", "Presentation5" })
        QTest::newRow(screen) << screen << "Abandon";
    QTest::newRow("Resultats") << "Resultats"
                               << "Sortie";
}

void tst_Shell::abandonEnds()
{
    QFETCH(QString, screen);
    QFETCH(QString, button);

    Harness h;
    h.start();
    QVERIFY(clickButton(h.show(screen), qPrintable(button)));
    QVERIFY(h.forms.hasEnded());
    QVERIFY(h.forms.loadedNames().isEmpty());
    QCOMPARE(h.quitCalls, 1);
}

void tst_Shell::closingAWindowEnds_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("destroyedFromOutside"); // rather than closed by its frame
    for (const char *screen : { "Titre", "Presentation1", "Test1", "Test3a", "Calcul1", "Resultats" }) {
        QTest::addRow("%s closed", screen) << screen << false;
#if __has_include(<xcb/xproto.h>)
        QTest::addRow("%s destroyed by another X client", screen) << screen << true;
#endif
    }
}

void tst_Shell::closingAWindowEnds()
{
    QFETCH(QString, screen);
    QFETCH(bool, destroyedFromOutside);

    Harness h;
    h.start();
    QWidget *shown = h.show(screen);
    h.titre().Hide();
    if (destroyedFromOutside) {
#if __has_include(<xcb/xproto.h>)
        // What the X server tells the program when another client destroys its window.
        xcb_destroy_notify_event_t destroyed {};
        destroyed.response_type = XCB_DESTROY_NOTIFY;
        destroyed.event = destroyed.window = xcb_window_t(shown->winId());
        qintptr result = 0;
        QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &destroyed, &result);
        QCoreApplication::sendPostedEvents();
#endif
    } else {
        shown->close();
    }
    QVERIFY(h.forms.hasEnded());
    QVERIFY(h.forms.loadedNames().isEmpty());
    QCOMPARE(h.quitCalls, 1);
}

void tst_Shell::startUpCheckListsMissingPictures()
{
    QTemporaryDir folder;
    QImage tiny(4, 4, QImage::Format_RGB32);
    tiny.fill(Qt::white);
    QString error;
    for (const QString &name : questionPictureNames())
        QVERIFY2(writeGif(folder.filePath(name), tiny, { qRgb(255, 255, 255) }, &error), qPrintable(error));
    Pictures::setProgramFolders({ folder.path() });

    Harness h;
    QVERIFY(checkQuestionPictures(h.forms));
    QVERIFY(h.messages.isEmpty());

    QFile::remove(folder.filePath("image17.gif"));
    QFile::remove(folder.filePath("cadran9.gif"));
    QFile garbage(folder.filePath("barre30.gif"));
    QVERIFY(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    garbage.write("not a picture at all");
    garbage.close();

    QVERIFY(!checkQuestionPictures(h.forms));
    QCOMPARE(h.messages.size(), 1);
    for (const char *name : { "image17.gif", "cadran9.gif", "barre30.gif" })
        QVERIFY2(h.messages.first().contains(name), name);
    QVERIFY(!h.messages.first().contains("image18.gif"));
    QVERIFY(!h.forms.isLoaded("Titre"));
}

void tst_Shell::logoIsCutToItsBox()
{
    QTemporaryDir folder;
    QImage large(200, 100, QImage::Format_RGB32);
    large.fill(Qt::red);
    QString error;
    QVERIFY2(writeGif(folder.filePath("Logo.gif"), large, { qRgb(255, 0, 0) }, &error), qPrintable(error));
    Pictures::setProgramFolders({ folder.path() });

    QTest::ignoreMessage(QtWarningMsg, "selection-pilotes: Image.jpg : fichier introuvable");
    Harness h;
    h.start();
    auto logo = h.titre().findChild<PictureBox *>("Picture2");
    QCOMPARE(logo->size(), QSize(101, 67));
    QCOMPARE(logo->picture().size(), QSize(200, 100));
    QCOMPARE(logo->grab().size(), QSize(101, 67));
    QCOMPARE(logo->grab().toImage().pixelColor(100, 66), QColor(Qt::red));
}

void tst_Shell::replacedLogoShowsFromTheNextScreen()
{
    QTemporaryDir folder;
    const auto writeLogo = [&folder](QRgb colour) {
        QImage logo(101, 67, QImage::Format_RGB32);
        logo.fill(colour);
        QString error;
        return writeGif(folder.filePath("Logo.gif"), logo, { colour }, &error);
    };
    QVERIFY(writeLogo(qRgb(255, 0, 0)));
    Pictures::setProgramFolders({ folder.path() });

    QTest::ignoreMessage(QtWarningMsg, "selection-pilotes: Image.jpg : fichier introuvable");
    Harness h;
    h.start();
    QVERIFY(writeLogo(qRgb(0, 0, 255)));
    Form *next = h.showAlone(QStringLiteral("Presentation1"));
    const auto logoOf = [](QWidget *screen) {
        return screen->findChild<PictureBox *>("Picture2")->picture().pixelColor(50, 30);
    };
    QCOMPARE(logoOf(&h.titre()), QColor(Qt::red));
    QCOMPARE(logoOf(next), QColor(Qt::blue));
}

// Files are given as "working/NAME" or "program/NAME"; "broken/..." writes garbage instead.
void tst_Shell::doubleSizeLookup_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected"); // the file shown, empty when the picture cannot be read
    const QStringList both { "program/image7.gif", "program/image7@2x.gif" };
    QTest::newRow("plain screen") << 1.0 << both << "program/image7.gif";
    QTest::newRow("dense screen") << 2.0 << both << "program/image7@2x.gif";
    QTest::newRow("150 %") << 1.5 << both << "program/image7@2x.gif";
    QTest::newRow("no variant") << 2.0 << QStringList { "program/image7.gif" } << "program/image7.gif";
    QTest::newRow("replacement wins")
        << 2.0 << (QStringList(both) << "working/image7.gif") << "working/image7.gif";
    QTest::newRow("replacement with variant") << 2.0
                                              << (QStringList(both) << "working/image7.gif"
                                                                    << "working/image7@2x.gif")
                                              << "working/image7@2x.gif";
    QTest::newRow("broken variant is reported")
        << 2.0 << QStringList { "program/image7.gif", "broken/image7@2x.gif" } << QString();
    QTest::newRow("broken variant unused on a plain screen")
        << 1.0 << QStringList { "program/image7.gif", "broken/image7@2x.gif" } << "program/image7.gif";
}

void tst_Shell::doubleSizeLookup()
{
    QFETCH(qreal, ratio);
    QFETCH(QStringList, files);
    QFETCH(QString, expected);

    QTemporaryDir working;
    QTemporaryDir program;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(working.path()));
    Pictures::setProgramFolders({ program.path() });
    Pictures::setScreenRatio(ratio);
    // Each file has its own colour, so the picture shown tells which one was read.
    QHash<QString, QRgb> colours;
    for (const QString &file : files) {
        const QString name = file.section(QLatin1Char('/'), 1);
        const bool inWorking = file.startsWith(QLatin1String("working/"));
        const QString path = QDir(inWorking ? working.path() : program.path()).filePath(name);
        if (file.startsWith(QLatin1String("broken/"))) {
            QFile garbage(path);
            QVERIFY(garbage.open(QIODevice::WriteOnly));
            garbage.write("not a picture");
            continue;
        }
        const int side = name.contains(QLatin1String("@2x")) ? 8 : 4;
        QImage picture(side, side, QImage::Format_RGB32);
        colours[file] = qRgb(10 * colours.size(), 100, 200);
        picture.fill(colours[file]);
        QString error;
        QVERIFY2(writeGif(path, picture, { colours[file] }, &error), qPrintable(error));
    }

    QString error;
    const QImage shown = Pictures::load(QStringLiteral("image7.gif"), &error);
    const bool checked = Pictures::unreadable({ QStringLiteral("image7.gif") }).isEmpty();
    QDir::setCurrent(previous);
    QCOMPARE(checked, !expected.isEmpty());
    if (expected.isEmpty()) {
        QVERIFY(shown.isNull());
        return;
    }
    QCOMPARE(shown.pixel(0, 0), colours[expected]);
    QCOMPARE(shown.devicePixelRatio(), expected.contains(QLatin1String("@2x")) ? 2.0 : 1.0);
    QCOMPARE(shown.deviceIndependentSize(), QSizeF(4, 4));
}

// The program decodes its GIF pictures itself, in the walk that proves them whole: what it shows
// must be, pixel for pixel and format for format, what Qt's own reader shows.
void tst_Shell::gifDecodesAsQtShowsIt_data()
{
    QTest::addColumn<QByteArray>("bytes");

    for (const char *name :
        { "image2.gif", "chemin5.gif", "cadran4.gif", "barre30.gif", "Logo.gif", "image2@2x.gif" }) {
        QFile file(Pictures::locate(QString::fromLatin1(name)));
        QVERIFY2(file.open(QIODevice::ReadOnly), name);
        QTest::addRow("%s as drawn", name) << file.readAll();
    }
    CraftedGif interlaced;
    interlaced.interlaced = true;
    CraftedGif local;
    local.localColours = true;
    CraftedGif transparent;
    transparent.transparent = 5;
    CraftedGif inset;
    inset.left = 7;
    inset.top = 4;
    inset.width = 20;
    inset.height = 19;
    CraftedGif insetInterlacedTransparent = inset;
    insetInterlacedTransparent.interlaced = true;
    insetInterlacedTransparent.transparent = 0;
    insetInterlacedTransparent.localColours = true;
    const std::pair<const char *, CraftedGif> crafted[] = {
        { "interlaced", interlaced },
        { "local colours", local },
        { "transparent index", transparent },
        { "frame inside the screen", inset },
        { "inset, interlaced, transparent, local colours", insetInterlacedTransparent },
    };
    for (const auto &[name, shape] : crafted) {
        const QByteArray bytes = craftedGif(shape);
        QVERIFY2(!bytes.isEmpty(), name);
        QTest::addRow("%s", name) << bytes;
    }
}

void tst_Shell::gifDecodesAsQtShowsIt()
{
    QFETCH(QByteArray, bytes);
    QString error;
    const QImage ours = Pictures::decode(bytes, QStringLiteral("picture.gif"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QImage qts = QImage::fromData(bytes, "GIF");
    QVERIFY(!qts.isNull());
    QCOMPARE(ours.format(), qts.format());
    QCOMPARE(ours.size(), qts.size());
    for (int y = 0; y < qts.height(); ++y) {
        for (int x = 0; x < qts.width(); ++x) {
            // The colour of a pixel with no alpha is never shown: Qt leaves it undefined.
            if (qAlpha(ours.pixel(x, y)) == 0 && qAlpha(qts.pixel(x, y)) == 0)
                continue;
            if (ours.pixel(x, y) != qts.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1, %2: %3 instead of %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(ours.pixel(x, y), 8, 16)
                                     .arg(qts.pixel(x, y), 8, 16)));
        }
    }
}

void tst_Shell::embeddedExampleKeepsItsLayoutAtDoubleSize()
{
    QSize plainBox;
    for (qreal ratio : { 1.0, 2.0 }) {
        Pictures::setScreenRatio(ratio);
        Harness h;
        h.start();
        auto example = h.showAlone(QStringLiteral("Presentation1"))->findChild<PictureBox *>("Picture1");
        QCOMPARE(example->picture().devicePixelRatio(), ratio);
        QCOMPARE(example->picture().size(), QSize(260, 340) * ratio);
        if (ratio == 1.0)
            plainBox = example->size();
        else
            QCOMPARE(example->size(), plainBox);
    }
}

void tst_Shell::missingDecorationLeavesTheBoxEmpty()
{
    QTemporaryDir empty;
    Pictures::setProgramFolders({ empty.path() });
    QTest::ignoreMessage(QtWarningMsg, "selection-pilotes: Image.jpg : fichier introuvable");
    QTest::ignoreMessage(QtWarningMsg, "selection-pilotes: Logo.gif : fichier introuvable");
    Harness h;
    h.start();
    Titre &titre = h.titre();
    QVERIFY(titre.Picture1->picture().isNull());
    QVERIFY(titre.Picture2->picture().isNull());
    QCOMPARE(h.forms.visibleNames(), QStringList { "Titre" });
    QVERIFY(h.messages.isEmpty());
}

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
