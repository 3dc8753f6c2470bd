#include "testsupport.h"

#include "app/form.h"
#include "app/pictures.h"
#include "app/screenchain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QTest>

namespace {

// The test programs live one folder below the program: they read the pictures the build drew.
void useBuiltPictures()
{
    Pictures::setProgramFolders({ QStringLiteral(PILOTES_PICTURES_DIR) });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(useBuiltPictures)

Harness::Harness()
    : forms(clock)
{
    registerScreens(forms);
    forms.setInputBox([this](const QString &prompt, const QString &, const QString &defaultText) {
        prompts.append(prompt);
        defaults.append(defaultText);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    });
    forms.setMessageBox([this](const QString &text) { messages.append(text); });
    forms.setQuit([this] { ++quitCalls; });
}

Harness::~Harness()
{
    forms.End();
    flushDeletes();
}

void Harness::start()
{
    forms.show(QStringLiteral("Titre"));
}

Form *Harness::showAlone(const QString &screen)
{
    Form *shown = forms.show(screen);
    for (const QString &name : forms.visibleNames()) {
        if (name != screen)
            forms.find(name)->Hide();
    }
    return shown;
}

void Harness::flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList tidyUpAfterTest()
{
    useBuiltPictures();
    Pictures::setScreenRatio(0);
    QLocale::setDefault(QLocale::c());
    Harness::flushDeletes();
    QStringList left;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            left.append(window->objectName());
    }
    return left;
}

void clickButton(QWidget *screen, const char *name)
{
    auto button = screen->findChild<QAbstractButton *>(QString::fromLatin1(name));
    Q_ASSERT_X(button, "clickButton", name);
    QTest::mouseClick(button, Qt::LeftButton);
}
