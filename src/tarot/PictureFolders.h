#pragma once
// Where the tarot tool finds its picture folders cards/ and pic/. Run from the build tree they lie beside
// the program; installed, they lie in the games' data folder of the installation
// (<prefix>/share/games/selvanthe, for the program in <prefix>/games); a desktop may also put them in any
// of its data folders.
#include <QString>
#include <QStringList>

namespace tarot {

// The folders that may hold cards/ and pic/, in the order they are tried: the program's folder, the
// installation's data folder reached from the program's folder, then games/selvanthe/ in each data
// folder (most important first, as the desktop lists them).
QStringList PictureRootCandidates(const QString& programFolder, const QStringList& dataFolders);
// Whether both picture folders exist under root (empty ones count).
bool PictureFoldersPresent(const QString& root);
// The first candidate that holds both folders. When none does, the program's folder, where the entry
// screen's check then fails and tells the user.
QString FindPictureRoot(const QString& programFolder, const QStringList& dataFolders);
// The running program's picture root: from its own folder and the desktop's data folders.
QString PictureRoot();

} // namespace tarot
