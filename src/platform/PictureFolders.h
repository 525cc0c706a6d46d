#pragma once
// Where the program finds its picture folders: cards/ and pic/ of the tarot, and beside them the folders
// of every other picture its tools show (stones/, runes/, runictarot/, ...). Run from the build tree they
// lie beside the program; installed, they lie in the games' data folder of the installation
// (<prefix>/share/games/selvanthe, for the program in <prefix>/games); a desktop may also put them in any
// of its data folders. Only the program's icon is compiled in, for what is shown before they are found.
#include <QString>
#include <QStringList>

namespace platform {

// The folders that may hold the pictures, in the order they are tried: the program's folder, the
// installation's data folder reached from the program's folder, then games/selvanthe/ in each data
// folder (most important first, as the desktop lists them).
QStringList PictureRootCandidates(const QString& programFolder, const QStringList& dataFolders);
// Whether both of the tarot's picture folders, cards/ and pic/, exist under root (empty ones count): they
// mark a folder of the program's pictures.
bool PictureFoldersPresent(const QString& root);
// The first candidate that holds both folders. When none does, the program's folder, where the tarot
// entry screen's check then fails and tells the user.
QString FindPictureRoot(const QString& programFolder, const QStringList& dataFolders);
// The running program's picture root: from its own folder and the desktop's data folders.
QString PictureRoot();
// Picture files of the running program by their names under the picture root ("stones/gold/1.jpg").
QString PictureFile(const QString& name);
QStringList PictureFiles(const QStringList& names);

} // namespace platform
