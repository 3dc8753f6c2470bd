// A Qt plugin that the end-to-end script loads into the real program to see what a candidate
// sees: every 20 ms it writes, when it changed, what the visible windows show (their names, the
// texts of their labels, boxes and buttons, where each button is on the screen, and the accessible
// name of each picture with a digest of its pixels) into the file named by E2E_REPORT. It never
// acts on the program.
#include "picturedigest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>
#include <QTimer>
#include <QWindow>

namespace {

QString describe(QWidget *window)
{
    // Exposed: on the screen, where a click can reach it; active: where typed keys go.
    const bool exposed = window->windowHandle() && window->windowHandle()->isExposed();
    QString text = QStringLiteral("window %1 %2%3%4\n")
                       .arg(window->objectName(), window->metaObject()->className(),
                           exposed ? QStringLiteral(" exposed") : QString(),
                           window->isActiveWindow() ? QStringLiteral(" active") : QString());
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisible())
            continue;
        const QString name = widget->objectName();
        if (auto label = qobject_cast<QLabel *>(widget)) {
            text += QStringLiteral("label %1 %2\n").arg(name, label->text().simplified());
        } else if (auto box = qobject_cast<QLineEdit *>(widget)) {
            text += QStringLiteral("box %1 %2\n").arg(name, box->text());
        } else if (auto button = qobject_cast<QAbstractButton *>(widget)) {
            const QPoint centre = button->mapToGlobal(button->rect().center());
            text += QStringLiteral("button %1 %2 %3 %4\n")
                        .arg(name)
                        .arg(centre.x())
                        .arg(centre.y())
                        .arg(button->text());
        } else if (!widget->accessibleName().isEmpty()) {
            text += QStringLiteral("picture %1 %2 %3\n")
                        .arg(name, widget->accessibleName(),
                            pictureDigest(widget->property("picture").value<QImage>()));
        }
    }
    return text;
}

class Watch : public QObject {
public:
    Watch()
        : path(qEnvironmentVariable("E2E_REPORT"))
    {
        auto timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &Watch::look);
        timer->start(20);
    }

private:
    void look()
    {
        QString seen;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                seen += describe(window);
        }
        if (seen == last)
            return;
        last = seen;
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(seen.toUtf8());
            file.commit();
        }
    }

    QString path;
    QString last;
};

} // namespace

class WatchPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "watch.json")
public:
    // Qt keeps the object for the life of the application.
    QObject *create(const QString &, const QString &) override { return new Watch; }
};

#include "watch.moc"
