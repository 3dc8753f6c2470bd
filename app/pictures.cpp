#include "pictures.h"

#include "picturecheck.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#ifndef PILOTES_DATA_DIR
#define PILOTES_DATA_DIR "/usr/local/share/selection-pilotes"
#endif

namespace Pictures {

namespace {

constexpr int AllocationLimitMegabytes = int(PictureCheck::MaxFileBytes / (1024 * 1024));

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
    const QString programDir = QCoreApplication::applicationDirPath();
    return { programDir + QStringLiteral("/pictures"), programDir + QStringLiteral("/../pictures"),
        QStringLiteral(PILOTES_DATA_DIR "/pictures") };
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

// The file's bytes, read once so that what is checked is what is decoded.
QByteArray readFile(const QString &bareName, QString *error)
{
    const QString path = locate(bareName);
    if (path.isEmpty()) {
        *error = QStringLiteral("fichier introuvable");
        return QByteArray();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("fichier illisible");
        return QByteArray();
    }
    QByteArray bytes = file.read(PictureCheck::MaxFileBytes + 1);
    if (bytes.size() > PictureCheck::MaxFileBytes) {
        *error = QStringLiteral("fichier trop gros");
        return QByteArray();
    }
    if (bytes.isEmpty())
        *error = QStringLiteral("fichier vide");
    return bytes;
}

QImage decode(const QByteArray &bytes, const QString &fileName, QString *error)
{
    *error = PictureCheck::problem(bytes, fileName, PictureCheck::Depth::Pixels);
    if (!error->isEmpty())
        return QImage();
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, QFileInfo(fileName).suffix().toLatin1());
    reader.setAllocationLimit(AllocationLimitMegabytes);
    QImage image = reader.read();
    if (image.isNull())
        *error = reader.errorString();
    return image;
}

QImage load(const QString &bareName, QString *error)
{
    const QByteArray bytes = readFile(bareName, error);
    if (bytes.isEmpty())
        return QImage();
    return decode(bytes, bareName, error);
}

QString problem(const QString &bareName)
{
    QString error;
    const QByteArray bytes = readFile(bareName, &error);
    if (bytes.isEmpty())
        return error;
    return PictureCheck::problem(bytes, bareName, PictureCheck::Depth::Structure);
}

QStringList unreadable(const QStringList &bareNames)
{
    QStringList names;
    for (const QString &name : bareNames) {
        if (!problem(name).isEmpty())
            names.append(name);
    }
    return names;
}

} // namespace Pictures
