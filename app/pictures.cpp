#include "pictures.h"

#include "doublesize.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

#ifndef PILOTES_DATA_DIR
#define PILOTES_DATA_DIR "/usr/local/share/selection-pilotes"
#endif

namespace Pictures {

namespace {

// Far above any picture of the program (the largest is 600 x 200), far below what would
// hurt the machine: a file claiming a huge size fails cleanly.
constexpr int AllocationLimitMegabytes = 16;

QStringList &overriddenFolders()
{
    static QStringList folders;
    return folders;
}

qreal &overriddenRatio()
{
    static qreal ratio = 0;
    return ratio;
}

constexpr qreal DoubleSize = 2;

// The names to try in one folder, the double-size variant first where the screen can show it.
QStringList variantsOf(const QString &name)
{
    if (screenRatio() > 1)
        return { doubleSizeName(name), name };
    return { name };
}

QImage decode(const QString &path, const QString &bareName, QString *error)
{
    QImageReader reader(path);
    reader.setAllocationLimit(AllocationLimitMegabytes);
    QImage image = reader.read();
    if (image.isNull()) {
        *error = reader.errorString();
        return image;
    }
    // Laid out at the plain picture's size, drawn with every pixel of the double-size one.
    image.setDevicePixelRatio(QFileInfo(path).fileName() == bareName ? 1 : DoubleSize);
    return image;
}

} // namespace

QStringList programFolders()
{
    if (!overriddenFolders().isEmpty())
        return overriddenFolders();
    const QString programDir = QCoreApplication::applicationDirPath();
    return { programDir + QStringLiteral("/pictures"), programDir + QStringLiteral("/../pictures"),
        QStringLiteral(PILOTES_DATA_DIR "/pictures") };
}

void setProgramFolders(const QStringList &folders)
{
    overriddenFolders() = folders;
}

qreal screenRatio()
{
    if (overriddenRatio() > 0)
        return overriddenRatio();
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1;
}

void setScreenRatio(qreal ratio)
{
    overriddenRatio() = ratio;
}

QString locate(const QString &bareName)
{
    QStringList folders { QDir::currentPath() };
    folders += programFolders();
    for (const QString &folder : folders) {
        for (const QString &name : variantsOf(bareName)) {
            const QFileInfo file(QDir(folder), name);
            if (file.isFile())
                return file.absoluteFilePath();
        }
    }
    return QString();
}

QImage load(const QString &bareName, QString *error)
{
    const QString path = locate(bareName);
    if (path.isEmpty()) {
        *error = QStringLiteral("fichier introuvable");
        return QImage();
    }
    return decode(path, bareName, error);
}

QImage embedded(const QString &resource, QString *error)
{
    const QString bareName = QFileInfo(resource).fileName();
    for (const QString &name : variantsOf(resource)) {
        if (QFileInfo(name).isFile())
            return decode(name, bareName, error);
    }
    *error = QStringLiteral("fichier introuvable");
    return QImage();
}

bool canRead(const QString &bareName)
{
    const QString path = locate(bareName);
    return !path.isEmpty() && QImageReader(path).canRead();
}

QStringList unreadable(const QStringList &bareNames)
{
    QStringList names;
    for (const QString &name : bareNames) {
        if (!canRead(name))
            names.append(name);
    }
    return names;
}

} // namespace Pictures
