#include "tarot/SaveReading.h"

#include "platform/Services.h"
#include "tarot/ReadingFile.h"
#include "tarot/TarotState.h"

#include <QDir>
#include <QFileInfo>

namespace tarot {

void SaveShownReading(QWidget* dialogParent)
{
    const ShownReading& reading = State().Shown;
    if (!reading.complete) {
        platform::MsgBox(QStringLiteral("There is no tarot reading on show to save."), platform::MsgIcon::Information);
        return;
    }
    // What Open would refuse is never written: the user would keep a file that cannot be opened again.
    const std::optional<QByteArray> bytes = ComposeCheckedReadingFile(reading);
    if (!bytes) {
        platform::MsgBox(QStringLiteral("The reading could not be saved: its file would not open again."),
                         platform::MsgIcon::Critical);
        return;
    }
    platform::FileDialogRequest request;
    request.title = QStringLiteral("Selvanthe");
    request.filter = QStringLiteral("Selvanthe (*.slv)");
    request.defaultSuffix = QStringLiteral("slv");
    request.overwritePrompt = true;
    QString path = platform::fileDialogs().saveFileName(dialogParent, request);
    if (path.isEmpty())
        return;
    // A bare name could never be opened again: it takes the reading's own suffix.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".slv");
    QString whyNot;
    if (!WriteReadingFile(path, *bytes, &whyNot))
        platform::MsgBox(QStringLiteral("The reading could not be saved to ") + QDir::toNativeSeparators(path) +
                             QStringLiteral(".\n") + whyNot,
                         platform::MsgIcon::Critical);
}

} // namespace tarot
