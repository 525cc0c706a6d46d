#pragma once
// The main of every test executable: the application object, the fakes, the windows registered and the
// picture folders of the built program.
#include "Seams.h"

#include "platform/Forms.h"
#include "platform/Services.h"
#include "platform/Style.h"
#include "shell/Quit.h"
#include "app/Registry.h"

#include <QApplication>
#include <QTest>

namespace testing {

// Takes every window away and resets the fakes, so each case starts from a program just started.
inline void freshProgram()
{
    platform::Forms::ResetForTests();
    shell::ResetQuitStateForTests();
    resetSeams();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace testing

#define SELVANTHE_TEST_MAIN(TestObject)                                                                                \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                       \
        QApplication app(argc, argv);                                                                                  \
        platform::InstallStyle();                                                                                      \
        QCoreApplication::setOrganizationName(QStringLiteral("Selvanthe"));                                            \
        QCoreApplication::setApplicationName(QStringLiteral("Selvanthe"));                                             \
        app.setQuitOnLastWindowClosed(false);                                                                          \
        testing::installSeams();                                                                                       \
        platform::setAppPath(QStringLiteral(SELVANTHE_RUNTIME_DIR));                                                   \
        app::RegisterAllForms();                                                                                       \
        TestObject tc;                                                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
