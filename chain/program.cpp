#include "program.h"

#include "screenchain.h"
#include "screenstyle.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QPixmap>

#include <cstdio>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The icon of the launcher, at each of its sizes, stored with the program. Read as the PNG files
// they are: left to guess, Qt would load every picture plugin to ask each whether it knows them.
QIcon applicationIcon()
{
    QIcon icon;
    for (const QFileInfo &file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files)) {
        QImageReader reader(file.filePath(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace

Program::Program(QApplication &application)
{
#ifdef __GLIBC__
    // The pictures (up to half a megabyte each) go back to the system as soon as they are
    // dropped. Left to adjust its threshold, the allocator would keep them in its heap after
    // the first one, and the program would hold several at once for nothing.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    application.setApplicationName(QStringLiteral("selection-pilotes"));
    // So the desktop matches the windows to the launcher and its icon.
    application.setDesktopFileName(QStringLiteral(PILOTES_APP_ID));
    // The program ends by its own End, never because a screen was hidden between two others.
    application.setQuitOnLastWindowClosed(false);
    application.setStyle(new ScreenStyle);

    if (qtTranslator.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtTranslator);
    else
        qWarning("selection-pilotes: traductions de Qt introuvables, boutons standard en anglais");

    screens.setQuit([this] { QCoreApplication::exit(exitCode); });
    declareScreens(screens);
}

void Program::start()
{
    showTitleScreen(screens);
    // Reading every question picture is not needed to paint the title screen, only before the
    // candidate leaves it; nor is the window's icon, which the window manager draws beside the
    // title: both wait for the first paint (or the first key or click, whichever comes first), so
    // the title screen comes sooner and is the same.
    armed = true;
    QCoreApplication::instance()->installEventFilter(this);
}

bool Program::eventFilter(QObject *, QEvent *event)
{
    if (!armed)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        // Once the dispatch that paints and flushes the window is over.
        if (!checkQueued) {
            checkQueued = true;
            QMetaObject::invokeMethod(
                this, [this] { finishStartUp(); }, Qt::QueuedConnection);
        }
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
        // Nothing the candidate does acts before the check: a missing picture is named before
        // "Suivant >" or "Abandon" can do anything.
        finishStartUp();
        return screens.hasEnded();
    default:
        return false;
    }
}

void Program::finishStartUp()
{
    if (!armed)
        return;
    armed = false;
    QCoreApplication::instance()->removeEventFilter(this);
    QGuiApplication::setWindowIcon(applicationIcon());
    checked = true;
    const QString problem = questionPicturesProblem();
    if (problem.isEmpty())
        return;
    exitCode = 1;
    screens.fatalError(problem);
}
