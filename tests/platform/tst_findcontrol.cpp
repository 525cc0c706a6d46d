// The tests find a window's controls by the names the window gives them. A control is the window's own
// only where no other window stands between them, so the main window's querent boxes are never taken for
// the boxes of the tool window open in its work area; a name the window does not carry, carries twice,
// or carries on another kind of control stops the test run with a message that names both.
#include "FindControl.h"
#include "Roads.h"
#include "TestMain.h"

#include "runictarot/frmRunicTarotMain.h"
#include "shell/frmMDI.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

namespace {

// The misuse a child run of this program makes, named in its environment.
const char* const kMisuseVariable = "SELVANTHE_FIND_CONTROL_MISUSE";

// Runs this test program again, making the misuse at its start, and gives what it wrote on its error
// output; crashed tells whether it stopped without finishing its run.
QString runMisuse(const QString& misuse, bool* crashed)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kMisuseVariable), misuse);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("anArrayComesInTheOrderOfItsNumbers")});
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
    }
    *crashed = child.exitStatus() == QProcess::CrashExit;
    return QString::fromUtf8(child.readAllStandardError());
}

} // namespace

class TestFindControl : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString misuse = qEnvironmentVariable(kMisuseVariable);
        if (misuse.isEmpty())
            return;
        // A child run: the misuse, which must stop the run before it gets any further.
        testing::freshProgram();
        shell::frmMDI* mdi = testing::openMain();
        if (misuse == QLatin1String("missing"))
            testing::control<QPushButton>(mdi, "cmdNoSuchButton");
        else if (misuse == QLatin1String("twice")) {
            auto* second = new QLabel(QStringLiteral("a second"), testing::control<QWidget>(mdi, "picTop"));
            second->setObjectName(QStringLiteral("lblName"));
            testing::control<QLabel>(mdi, "lblName");
        } else if (misuse == QLatin1String("kind"))
            testing::control<QLineEdit>(mdi, "cmdSave");
        else if (misuse == QLatin1String("gap")) {
            testing::control<QPushButton>(mdi, "cmdSelectOption", 1)->setObjectName(QStringLiteral("elsewhere"));
            testing::controls<QPushButton>(mdi, "cmdSelectOption");
        }
        std::fprintf(stderr, "the misuse went on\n");
    }

    void init() { testing::freshProgram(); }

    void aControlIsItsOwnWindowsOnly()
    {
        runictarot::frmRunicTarotMain* details = testing::runicDetails();
        QVERIFY(details);
        shell::frmMDI* mdi = shell::MDI();
        // Both carry a box named txtName: the details window inside the main window's work area.
        auto* querentBox = testing::control<QLineEdit>(mdi, "txtName");
        auto* nameBox = testing::control<QLineEdit>(details, "txtName");
        QVERIFY(querentBox != nameBox);
        QCOMPARE(querentBox->parentWidget()->objectName(), QStringLiteral("picTop"));
        QVERIFY(details->isAncestorOf(nameBox));
        QVERIFY(!details->isAncestorOf(querentBox));
    }

    void anArrayComesInTheOrderOfItsNumbers()
    {
        shell::frmMDI* mdi = testing::openMain();
        const QList<QPushButton*> tools = testing::controls<QPushButton>(mdi, "cmdSelectOption");
        QCOMPARE(tools.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(tools[i]->objectName(), QStringLiteral("cmdSelectOption(%1)").arg(i));
            QCOMPARE(testing::control<QPushButton>(mdi, "cmdSelectOption", i), tools[i]);
        }
        QCOMPARE(tools[1]->text(), QStringLiteral("Tarot Reading"));
    }

    void aMisuseStopsTheRunSayingWhat_data()
    {
        QTest::addColumn<QString>("misuse");
        QTest::addColumn<QString>("told");
        QTest::newRow("missing") << "missing"
                                 << "control \"cmdNoSuchButton\" of window \"frmMDI\": the window has no control "
                                    "of that name (wanted a QPushButton)";
        QTest::newRow("carried twice") << "twice"
                                       << "control \"lblName\" of window \"frmMDI\": more than one control carries "
                                          "that name (wanted a QLabel)";
        QTest::newRow("another kind") << "kind"
                                      << "control \"cmdSave\" of window \"frmMDI\": it is a QPushButton (wanted a "
                                         "QLineEdit)";
        QTest::newRow("gap in an array") << "gap"
                                         << "control \"cmdSelectOption(...)\" of window \"frmMDI\": the array's "
                                            "numbers leave a gap (wanted a QPushButton)";
    }

    void aMisuseStopsTheRunSayingWhat()
    {
        QFETCH(QString, misuse);
        QFETCH(QString, told);
        bool crashed = false;
        const QString errors = runMisuse(misuse, &crashed);
        QVERIFY2(crashed, qPrintable(errors));
        QVERIFY2(errors.contains(told), qPrintable(errors));
        QVERIFY(!errors.contains(QStringLiteral("the misuse went on")));
    }
};

SELVANTHE_TEST_MAIN(TestFindControl)
#include "tst_findcontrol.moc"
