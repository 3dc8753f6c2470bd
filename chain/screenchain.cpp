#include "screenchain.h"

#include "calcul1.h"
#include "dials/test4.h"
#include "form.h"
#include "forms.h"
#include "instructionscreen.h"
#include "lengths/test5.h"
#include "paths/test2.h"
#include "pictures.h"
#include "reasoning/presentation3.h"
#include "reasoning/reasoningitem.h"
#include "reasoning/reasoningitems.h"
#include "resultats.h"
#include "spatial/test1.h"
#include "testlist.h"
#include "titre.h"

#include <stdexcept>
#include <string>

namespace {

// What makes the screen of a row, from the row's name.
using Maker = Forms::Factory (*)(const char *screen);

template <class Screen> Forms::Factory own(const char *)
{
    return [](Forms &forms) -> Form * { return new Screen(forms); };
}

Forms::Factory instructionScreen(const char *screen)
{
    const InstructionContent &content = Instructions::content(screen);
    return [&content](Forms &forms) -> Form * { return new InstructionScreen(forms, content); };
}

Forms::Factory reasoningItem(const char *screen)
{
    const ReasoningItems::Item &item = ReasoningItems::item(screen);
    return [&item](Forms &forms) -> Form * { return new ReasoningItem(forms, item); };
}

// What makes the screens of one test: its instruction screen, then its timed screen or its items.
struct TestScreens {
    const TestDescriptor &test;
    Maker instructions;
    Maker timed;
};

const TestScreens Screens[] = {
    { SpatialBank::Test, instructionScreen, own<Test1> },
    { PathsBank::Test, instructionScreen, own<Test2> },
    // The reasoning clock runs on its instruction screen, under the items.
    { ReasoningItems::Test, own<Presentation3>, reasoningItem },
    { DialsBank::Test, instructionScreen, own<Test4> },
    { LengthsBank::Test, instructionScreen, own<Test5> },
};

const TestScreens &screensOf(const TestDescriptor &test)
{
    if (const TestScreens *screens = rowOf(Screens, test))
        return *screens;
    throw std::logic_error(std::string("no screens for the test ") + test.stem);
}

// The screens of a test, each with the one that follows it; `after` follows the last. The reasoning
// items also name the screen that the reasoning clock brings up when it runs out on them.
void addTest(Forms &forms, const TestDescriptor &test, const QString &after)
{
    const TestScreens &screens = screensOf(test);
    const auto add
        = [&forms](const char *screen, Maker make, const QString &next, const QString &afterTimeOut) {
              forms.addScreen(QString::fromLatin1(screen), make(screen), next, afterTimeOut);
          };
    if (*test.testScreen) {
        add(test.instructionScreen, screens.instructions, QString::fromLatin1(test.testScreen), QString());
        add(test.testScreen, screens.timed, after, QString());
        return;
    }
    const auto &items = ReasoningItems::Items;
    add(test.instructionScreen, screens.instructions, QString::fromLatin1(items.front().screen), QString());
    for (size_t k = 0; k < items.size(); ++k) {
        const QString next = k + 1 < items.size() ? QString::fromLatin1(items[k + 1].screen) : after;
        add(items[k].screen, screens.timed, next, after);
    }
}

} // namespace

void declareScreens(Forms &forms)
{
    const auto firstScreenOf
        = [](size_t test) { return QString::fromLatin1(Tests::All[test]->instructionScreen); };
    forms.addScreen(QStringLiteral("Titre"), own<Titre>(nullptr), firstScreenOf(0), QString());
    for (size_t k = 0; k < Tests::All.size(); ++k)
        addTest(forms, *Tests::All[k],
            k + 1 < Tests::All.size() ? firstScreenOf(k + 1) : QStringLiteral("Calcul1"));
    forms.addScreen(QStringLiteral("Calcul1"), own<Calcul1>(nullptr), QStringLiteral("Resultats"), QString());
    // "Recommencer": the title screen, hidden since the first pass, shows again.
    forms.addScreen(QStringLiteral("Resultats"), own<Resultats>(nullptr), QStringLiteral("Titre"), QString());
}

void showTitleScreen(Forms &forms)
{
    forms.show(QStringLiteral("Titre"));
}

QStringList questionPictureNames()
{
    QStringList names;
    for (const TestDescriptor *test : Tests::All) {
        const QuestionBank *bank = test->bank;
        if (!bank)
            continue;
        // Question 1 of each test is stored with its screen.
        for (int question = 2; question <= bank->questionCount; ++question) {
            if (!names.contains(bank->pictureFile(question)))
                names.append(bank->pictureFile(question));
        }
    }
    return names;
}

QString questionPicturesProblem()
{
    const QStringList missing = Pictures::unreadable(questionPictureNames());
    if (missing.isEmpty())
        return QString();
    return QStringLiteral("Les images suivantes sont introuvables ou illisibles :\n%1\n\n"
                          "Le programme ne peut pas démarrer.")
        .arg(missing.join(QStringLiteral(", ")));
}

bool checkQuestionPictures(Forms &forms)
{
    const QString problem = questionPicturesProblem();
    if (problem.isEmpty())
        return true;
    // Before the first screen shows: the message stands alone.
    forms.showMessage(nullptr, problem);
    return false;
}
