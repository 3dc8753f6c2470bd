#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Picture files are named bare ("image12.gif"). They are looked up in the current folder first,
// so an operator may drop in a replacement, then in the program's own picture folder, so the
// program runs from any folder.
namespace Pictures {

// The path of the file, or an empty string when it is nowhere.
QString locate(const QString &bareName);

// Decodes the picture with a bounded allocation. On failure returns a null image and puts a
// French reason into *error.
QImage load(const QString &bareName, QString *error);

// A cheap header check: the file exists and its format is recognised.
bool canRead(const QString &bareName);

// The names among these that cannot be found or are not recognised as pictures.
QStringList unreadable(const QStringList &bareNames);

// The program's own picture folders, searched after the current folder: "pictures" beside the
// program (the build folder), then the installed picture folder relative to the program.
QStringList programFolders();
void setProgramFolders(const QStringList &folders);

} // namespace Pictures
