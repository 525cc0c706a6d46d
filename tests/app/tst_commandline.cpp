// The built program's command line, run as a terminal user runs it: --help and --version answer with no
// display and nothing of the desktop in the environment; an option the program does not know is refused.
#include "TestMain.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runProgram(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SELVANTHE_RUNTIME_DIR "/selvanthe"), arguments);
    Run run;
    if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit) {
        program.kill();
        program.waitForFinished();
        run.err = QStringLiteral("crashed or did not end: ") + QString::fromLocal8Bit(program.readAllStandardError());
        return run;
    }
    run.exitCode = program.exitCode();
    run.out = QString::fromLocal8Bit(program.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    // No DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM: an empty environment.
    void answersWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");  // the whole output, or its first line followed by "..."

        const QString version = QStringLiteral("Selvanthe 1.15\n");
        const QString usage = QStringLiteral("Usage: " SELVANTHE_RUNTIME_DIR "/selvanthe [options]\n...");
        QTest::newRow("--version") << QStringList{"--version"} << version;
        QTest::newRow("-v") << QStringList{"-v"} << version;
        QTest::newRow("after an option of the toolkit") << QStringList{"-platform", "xcb", "--version"} << version;
        QTest::newRow("--help") << QStringList{"--help"} << usage;
        QTest::newRow("-h") << QStringList{"-h"} << usage;
    }
    void answersWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const Run run = runProgram(arguments, QProcessEnvironment());
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.err, QString());
        if (expected.endsWith(QLatin1String("..."))) {
            QVERIFY2(run.out.startsWith(expected.chopped(3)), qPrintable(run.out));
            // Every option of the program is named, each with what it does.
            for (const char* option : {"-h, --help ", "--help-all ", "-v, --version "})
                QVERIFY2(run.out.contains(QLatin1String(option)), option);
        } else {
            QCOMPARE(run.out, expected);
        }
    }

    // An option the program does not know is told on the error output and ends it before start-up: no
    // window, no lock taken.
    void refusesAnUnknownOption()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        environment.insert(QStringLiteral("TMPDIR"), home.path());
        const Run run = runProgram({QStringLiteral("--colour"), QStringLiteral("red")}, environment);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(QLatin1String("Selvanthe: Unknown option 'colour'.")), qPrintable(run.err));
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }
};

SELVANTHE_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
