#include "screenchain.h"

#include "calcul1.h"
#include "form.h"
#include "forms.h"
#include "instructionscreen.h"
#include "pictures.h"
#include "reasoning/reasoningitems.h"
#include "resultats.h"
#include "testlist.h"
#include "testscreens.h"
#include "titre.h"

namespace {

Forms::Factory instructionScreen(const TestScreens &screens)
{
    if (screens.ownInstructionScreen)
        return screens.ownInstructionScreen(screens.test.instructionScreen);
    const InstructionContent &content = screens.instructions;
    return [&content](Forms &forms) -> Form * { return new InstructionScreen(forms, content); };
}

// The screens of a test, each with the one that follows it; `after` follows the last. The reasoning
// items also name the screen that the reasoning clock brings up when it runs out on them.
void addTest(Forms &forms, const TestDescriptor &test, const QString &after)
{
    const TestScreens &screens = TestRegistry<TestScreens>::of(test, "screens");
    const auto add
        = [&forms, &screens](const char *screen, const QString &next, const QString &afterTimeOut) {
              forms.addScreen(QString::fromLatin1(screen), screens.timed(screen), next, afterTimeOut);
          };
    const auto addInstructions = [&forms, &screens](const QString &next) {
        forms.addScreen(
            QString::fromLatin1(screens.test.instructionScreen), instructionScreen(screens), next);
    };
    if (*test.testScreen) {
        addInstructions(QString::fromLatin1(test.testScreen));
        add(test.testScreen, after, QString());
        return;
    }
    const auto &items = ReasoningItems::Items;
    addInstructions(QString::fromLatin1(items.front().screen));
    for (size_t k = 0; k < items.size(); ++k) {
        const QString next = k + 1 < items.size() ? QString::fromLatin1(items[k + 1].screen) : after;
        add(items[k].screen, next, after);
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
