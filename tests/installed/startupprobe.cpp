// A Qt plugin that the installed-program test loads into the real program, which has no command
// line of its own: once the first window is painted and what the program queued behind that paint
// (the check of the question pictures) has run, it prints what the program shows (the start-up
// message, or the visible windows and whether the logo was drawn), then ends it.
#include <QApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QImage>
#include <QMessageBox>

#include <cstdio>

namespace {

bool hasMoreThanOneColour(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0))
                return true;
        }
    }
    return false;
}

void report()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        if (auto box = qobject_cast<QMessageBox *>(window)) {
            std::printf("message: %s\n", qPrintable(box->text().simplified()));
            std::fflush(stdout);
            box->done(QMessageBox::Ok);
            return;
        }
        std::printf("shown: %s\n", qPrintable(window->objectName()));
        if (QWidget *logo = window->findChild<QWidget *>(QStringLiteral("Picture2")))
            std::printf("logo: %s\n", hasMoreThanOneColour(logo->grab().toImage()) ? "drawn" : "empty");
    }
    std::fflush(stdout);
    QCoreApplication::quit();
}

// Waits for the first paint, then lets two turns of the event loop go by: what the program
// queued from that paint runs first, under its own message box if it shows one.
class FirstPaintWatch : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QMetaObject::invokeMethod(
                this, [] { QMetaObject::invokeMethod(qApp, report, Qt::QueuedConnection); },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool seen = false;
};

} // namespace

class StartupProbe : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "startupprobe.json")
public:
    // Qt keeps the object for the life of the application.
    QObject *create(const QString &, const QString &) override
    {
        auto probe = new FirstPaintWatch;
        QCoreApplication::instance()->installEventFilter(probe);
        return probe;
    }
};

#include "startupprobe.moc"
