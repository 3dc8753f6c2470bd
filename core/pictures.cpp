#include "pictures.h"

#include "doublesize.h"
#include "picturecheck.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>

#include <algorithm>

namespace Pictures {

namespace {

constexpr int AllocationLimitMegabytes = int(PictureCheck::MaxFileBytes / (1024 * 1024));

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

// The file's bytes, read once so that what is checked is what is decoded.
QByteArray readFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("fichier illisible");
        return QByteArray();
    }
    // One byte more than allowed tells a file too big; no more than the file holds is asked
    // for, as the buffer is allocated whole before reading.
    QByteArray bytes = file.read(std::min(file.size(), PictureCheck::MaxFileBytes) + 1);
    if (bytes.size() > PictureCheck::MaxFileBytes) {
        *error = QStringLiteral("fichier trop gros");
        return QByteArray();
    }
    if (bytes.isEmpty())
        *error = QStringLiteral("fichier vide");
    return bytes;
}

QImage decodeFileBytes(const QByteArray &bytes, const QString &path, const QString &bareName, QString *error)
{
    QImage image = decode(bytes, QFileInfo(path).fileName(), error);
    if (image.isNull())
        return image;
    // Laid out at the plain picture's size, drawn with every pixel of the double-size one.
    image.setDevicePixelRatio(QFileInfo(path).fileName() == bareName ? 1 : DoubleSize);
    return image;
}

QImage decodeFile(const QString &path, const QString &bareName, QString *error)
{
    const QByteArray bytes = readFile(path, error);
    if (bytes.isEmpty())
        return QImage();
    return decodeFileBytes(bytes, path, bareName, error);
}

// The picture last decoded from a file, with the bytes it was decoded from.
struct Decoded {
    QByteArray bytes;
    QImage image;
};

QHash<QString, Decoded> &lastDecoded()
{
    static QHash<QString, Decoded> pictures;
    return pictures;
}

} // namespace

QImage decode(const QByteArray &bytes, const QString &fileName, QString *error)
{
    const QByteArray format = QFileInfo(fileName).suffix().toLower().toLatin1();
    // The walk that proves a GIF whole decodes its every pixel: its image is the one shown, and
    // no picture is decoded twice on its way to the screen.
    if (format == "gif")
        return PictureCheck::gifImage(bytes, error);
    *error = PictureCheck::problem(bytes, fileName, PictureCheck::Depth::Pixels);
    if (!error->isEmpty())
        return QImage();
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    // The check above vouches for the format the name gives: only its plugin is loaded, where
    // guessing would load each plugin in turn to ask it.
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(AllocationLimitMegabytes);
    QImage image = reader.read();
    if (image.isNull())
        *error = reader.errorString();
    return image;
}

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
    return decodeFile(path, bareName, error);
}

QImage reload(const QString &bareName, QString *error)
{
    const QString path = locate(bareName);
    if (path.isEmpty()) {
        *error = QStringLiteral("fichier introuvable");
        return QImage();
    }
    const QByteArray bytes = readFile(path, error);
    if (bytes.isEmpty())
        return QImage();
    Decoded &last = lastDecoded()[path];
    if (last.bytes != bytes || last.image.isNull()) {
        // A picture that does not decode is not kept: the next reading tries again, and tells why.
        last = { bytes, decodeFileBytes(bytes, path, bareName, error) };
        if (last.image.isNull())
            return QImage();
    }
    return last.image;
}

QImage embedded(const QString &resource, QString *error)
{
    const QString bareName = QFileInfo(resource).fileName();
    for (const QString &name : variantsOf(resource)) {
        if (QFileInfo(name).isFile())
            return decodeFile(name, bareName, error);
    }
    *error = QStringLiteral("fichier introuvable");
    return QImage();
}

QString problem(const QString &bareName)
{
    const QString path = locate(bareName);
    if (path.isEmpty())
        return QStringLiteral("fichier introuvable");
    QString error;
    const QByteArray bytes = readFile(path, &error);
    if (bytes.isEmpty())
        return error;
    return PictureCheck::problem(bytes, QFileInfo(path).fileName(), PictureCheck::Depth::Structure);
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
