#include "tarot/PictureFolders.h"

#include "platform/Services.h"
#include "tarot/SpreadCatalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tarot {

QStringList PictureRootCandidates(const QString& programFolder, const QStringList& dataFolders)
{
    QStringList candidates{programFolder,
                           QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(SELVANTHE_DATA_FROM_PROGRAM)))};
    for (const QString& data : dataFolders)
        if (!data.isEmpty())
            candidates << QDir(data).filePath(QStringLiteral(SELVANTHE_DATA_IN_DATA_FOLDER));
    candidates.removeDuplicates();
    return candidates;
}

bool PictureFoldersPresent(const QString& root)
{
    return QFileInfo(catalogue::CardFolder(root)).isDir() && QFileInfo(catalogue::PictureFolder(root)).isDir();
}

QString FindPictureRoot(const QString& programFolder, const QStringList& dataFolders)
{
    for (const QString& candidate : PictureRootCandidates(programFolder, dataFolders))
        if (PictureFoldersPresent(candidate))
            return candidate;
    return programFolder;
}

QString PictureRoot()
{
    return FindPictureRoot(platform::AppPath(), QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}

} // namespace tarot
