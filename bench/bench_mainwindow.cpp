// How long the main window takes to be built, loaded and shown (offscreen). Start-up must not do work the
// user does not see yet, so no tool window and no tool picture may be touched here.
#include "TestMain.h"

#include "platform/Forms.h"
#include "shell/frmMDI.h"

class BenchMainWindow : public QObject {
    Q_OBJECT
private slots:
    void constructLoadAndShow()
    {
        QBENCHMARK {
            testing::freshProgram();
            auto* mdi = platform::Forms::Get<shell::frmMDI>();
            mdi->Show();
            QCoreApplication::processEvents();
        }
        QCOMPARE(platform::Forms::Loaded().size(), 1);
    }
};

SELVANTHE_TEST_MAIN(BenchMainWindow)
#include "bench_mainwindow.moc"
