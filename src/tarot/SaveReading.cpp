#include "tarot/SaveReading.h"

#include "platform/Services.h"
#include "tarot/ReadingFile.h"
#include "tarot/TarotState.h"

#include <QDir>

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
    // Open takes a reading by its suffix alone: a name without it gets it.
    const QString path = platform::SaveFileName(dialogParent, request);
    if (path.isEmpty())
        return;
    QString whyNot;
    if (!WriteReadingFile(path, *bytes, &whyNot))
        platform::MsgBox(platform::SentenceWithReason(QStringLiteral("The reading could not be saved to ") +
                                                          QDir::toNativeSeparators(path),
                                                      whyNot),
                         platform::MsgIcon::Critical);
}

} // namespace tarot
