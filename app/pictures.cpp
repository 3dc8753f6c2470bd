#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

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

} // namespace

QStringList programFolders()
{
    if (!overriddenFolders().isEmpty())
        return overriddenFolders();
    // Beside the program in the build folder; once installed, where the installed layout puts
    // them relative to the program, so any prefix works.
    const QDir programDir(QCoreApplication::applicationDirPath());
    return { programDir.filePath(QStringLiteral("pictures")),
        QDir::cleanPath(programDir.filePath(QStringLiteral(PILOTES_INSTALLED_PICTURES))) };
}

void setProgramFolders(const QStringList &folders)
{
    overriddenFolders() = folders;
}

QString locate(const QString &bareName)
{
    QStringList folders { QDir::currentPath() };
    folders += programFolders();
    for (const QString &folder : folders) {
        const QFileInfo file(QDir(folder), bareName);
        if (file.isFile())
            return file.absoluteFilePath();
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
    QImageReader reader(path);
    reader.setAllocationLimit(AllocationLimitMegabytes);
    QImage image = reader.read();
    if (image.isNull())
        *error = reader.errorString();
    return image;
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
