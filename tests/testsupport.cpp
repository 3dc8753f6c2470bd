#include "testsupport.h"

#include "form.h"
#include "pictures.h"
#include "screenchain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

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
    declareScreens(forms);
    forms.setInputBox([this](QWidget *, const QString &prompt, const QString &, const QString &defaultText) {
        prompts.append(prompt);
        defaults.append(defaultText);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    });
    forms.setMessageBox([this](QWidget *, const QString &text) { messages.append(text); });
    forms.setQuit([this] { ++quitCalls; });
}

Harness::~Harness()
{
    forms.End();
    flushDeletes();
}

void Harness::start()
{
    showTitleScreen(forms);
}

Form *Harness::show(const QString &screen)
{
    return forms.show(screen);
}

void Harness::replaceScreen(const QString &screen, Forms::Factory factory)
{
    const int id = forms.idOf(screen);
    if (id < 0)
        qFatal("No screen %s in the chain", qPrintable(screen));
    forms.replaceScreen(id, std::move(factory));
}

Form *Harness::showAlone(const QString &screen)
{
    Form *shown = show(screen);
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
    // Hidden windows count too: a screen that is never deleted would outlive its program.
    QStringList left;
    for (const QWidget *window : QApplication::topLevelWidgets())
        left.append(window->objectName());
    return left;
}

void failOnUnexpectedWarnings()
{
    // The offscreen platform's own note, when a real dialog opens, is not the program's.
    QTest::failOnWarning(
        QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints\\(\\)$)")));
}

void ScreenSuite::init()
{
    failOnUnexpectedWarnings();
}

void ScreenSuite::cleanup()
{
    const QStringList left = tidyUpAfterTest();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(", ") + " left alive"));
}

bool clickButton(QWidget *screen, const char *name)
{
    auto button = screen ? screen->findChild<QAbstractButton *>(QString::fromLatin1(name)) : nullptr;
    if (!button)
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

ulong PlatformInput::now = 0;

PlatformInput::PlatformInput()
{
    now += 60000;
}

void PlatformInput::click(const QPoint &global)
{
    mouse(global, Qt::LeftButton, QEvent::MouseButtonPress);
    wait(ReleaseAfter);
    mouse(global, Qt::NoButton, QEvent::MouseButtonRelease);
}

void PlatformInput::key(QWidget *screen, Qt::Key key, const QString &text)
{
    QWindow *window = screen->windowHandle();
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, now, QEvent::KeyPress, key, Qt::NoModifier, text);
    wait(ReleaseAfter);
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, now, QEvent::KeyRelease, key, Qt::NoModifier, text);
}

void PlatformInput::mouse(const QPoint &global, Qt::MouseButtons state, QEvent::Type type)
{
    QWidget *top = QApplication::topLevelAt(global);
    if (!top)
        qFatal("No window at (%d, %d)", global.x(), global.y());
    QWindow *window = top->windowHandle();
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, now, window->mapFromGlobal(global), global, state, Qt::LeftButton, type);
}

QPoint centreOf(const QWidget *widget)
{
    return widget->mapToGlobal(widget->rect().center());
}
