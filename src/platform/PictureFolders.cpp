#include "platform/PictureFolders.h"

#include "platform/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QStringList PictureRootCandidates(const QString& programFolder, const QStringList& dataFolders)
{
    QStringList candidates {programFolder,
                            QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(SELVANTHE_DATA_FROM_PROGRAM)))};
    for (const QString& data : dataFolders)
        if (!data.isEmpty())
            candidates << QDir(data).filePath(QStringLiteral(SELVANTHE_DATA_IN_DATA_FOLDER));
    candidates.removeDuplicates();
    return candidates;
}

bool PictureFoldersPresent(const QString& root)
{
    const QDir folder(root);
    return QFileInfo(folder.filePath(QStringLiteral("cards"))).isDir() &&
           QFileInfo(folder.filePath(QStringLiteral("pic"))).isDir();
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
    return FindPictureRoot(AppPath(), QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
}

QString PictureFile(const QString& name) { return QDir(PictureRoot()).filePath(name); }

QStringList PictureFiles(const QStringList& names)
{
    const QDir root(PictureRoot());
    QStringList files;
    for (const QString& name : names)
        files << root.filePath(name);
    return files;
}

} // namespace platform
