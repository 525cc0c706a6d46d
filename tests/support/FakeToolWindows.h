#pragma once
// Stand-ins for the tool windows, registered under their real names, whose load and unload routines do to
// the main window what the real ones do, and write what happened into a shared log.
#include "platform/Forms.h"

#include <QStringList>

namespace testing {

class FakeToolWindow : public platform::Form {
    Q_OBJECT
public:
    FakeToolWindow(const QString& name, QStringList* log);
    void Form_Load() override;
    void Form_Unload() override;

private:
    QStringList* log_;
};

// Every tool window name, as the tool switch knows them.
const QStringList& toolWindowNames();
// Registers fakes for all of them; log gets "load:<name>" and "unload:<name>".
void registerFakeToolWindows(QStringList* log);

} // namespace testing
