// A Qt plugin that the installed-program test loads into the real program, which has no command
// line of its own: at the first turn of the event loop it prints what the program shows (the
// start-up message, or the visible windows and whether the logo was drawn), then ends it.
#include <QApplication>
#include <QGenericPlugin>
#include <QImage>
#include <QMessageBox>
#include <QTimer>

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

} // namespace

class StartupProbe : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "startupprobe.json")
public:
    // Qt keeps the object for the life of the application.
    QObject *create(const QString &, const QString &) override
    {
        auto probe = new QObject;
        QTimer::singleShot(0, probe, report);
        return probe;
    }
};

#include "startupprobe.moc"
