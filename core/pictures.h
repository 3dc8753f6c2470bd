#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Picture files are named bare ("image12.gif"). They are looked up in the current folder first,
// so an operator may drop in a replacement, then in the program's own picture folder, so the
// program runs from any folder. On a high-density screen each folder offers the picture drawn at
// twice the size ("image12@2x.gif") before the plain one, and it is shown at the same layout size.
namespace Pictures {

// The path of the file, or an empty string when it is nowhere.
QString locate(const QString &bareName);

// Decodes the picture with a bounded allocation, only when it decodes whole. On failure returns a
// null image and puts a French reason into *error.
QImage load(const QString &bareName, QString *error);
// The same, on the bytes of a file of that name.
QImage decode(const QByteArray &bytes, const QString &fileName, QString *error);
// As load, for a picture read again at each showing (the decoration): its file is read each
// time, and decoded again only when its bytes are not those of the last reading.
QImage reload(const QString &bareName, QString *error);

// A picture stored with the screens (":/assets/..."), its double-size variant on a high-density
// screen. Null when the resource is missing.
QImage embedded(const QString &resource, QString *error);

// A cheap check, with no pixel decoded: why the file is not there or not one whole picture of
// its kind, in French; empty when it is.
QString problem(const QString &bareName);

// The names among these that are missing or not whole pictures.
QStringList unreadable(const QStringList &bareNames);

// The program's own picture folders, searched after the current folder: "pictures" beside the
// program (the build folder), then the installed picture folder relative to the program.
QStringList programFolders();
void setProgramFolders(const QStringList &folders);

// The device pixel ratio of the screens; a ratio set here (above 0) replaces it.
qreal screenRatio();
void setScreenRatio(qreal ratio);

} // namespace Pictures
