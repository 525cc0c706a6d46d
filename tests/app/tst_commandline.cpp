// The built program's command line, run as a terminal user runs it: --help and --version answer with no
// display and nothing of the desktop in the environment; an option the program does not know is refused.
#include "TestMain.h"

#include <QDir>
#include <QFileInfo>
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

// A terminal's environment with no display: no DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM; only a
// home and a runtime folder of the test's own, so that nothing is written elsewhere.
QProcessEnvironment terminalEnvironment(const QTemporaryDir& home)
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    environment.insert(QStringLiteral("TMPDIR"), home.path());
    return environment;
}

QStringList entries(const QTemporaryDir& folder)
{
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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
        QTest::newRow("after an option of the X11 platform") << QStringList {"-display", ":9", "--version"} << version;
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

    // --help-all lists the toolkit's options beside the program's own, with no display.
    void listsTheToolkitsOptionsWithoutADisplay()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const Run run = runProgram({QStringLiteral("--help-all")}, terminalEnvironment(home));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QVERIFY2(run.out.startsWith(QStringLiteral("Usage: " SELVANTHE_RUNTIME_DIR "/selvanthe [options]\n")),
                 qPrintable(run.out));
        for (const char* option :
             {"-v, --version ", "--platform <platformName[:options]>", "--reverse ", "--qwindowtitle <title>"})
            QVERIFY2(run.out.contains(QLatin1String(option)), option);
        QCOMPARE(entries(home), QStringList());
    }

    // An option the program does not know is told on the error output and ends it before start-up, with
    // a display or without one: no window, no lock taken. The toolkit's options beside it are not told.
    void refusesAnUnknownOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display"); // on the offscreen platform, or with none at all
        QTest::addColumn<QString>("told");
        const QString colour = QStringLiteral("Selvanthe: Unknown option 'colour'.\n");
        const QString bogus = QStringLiteral("Selvanthe: Unknown option 'bogus'.\n");
        QTest::newRow("with a display") << QStringList {"--colour", "red"} << true << colour;
        QTest::newRow("without a display") << QStringList {"--colour", "red"} << false << colour;
        QTest::newRow("one dash, no display") << QStringList {"-bogus"} << false << bogus;
        QTest::newRow("beside the toolkit's options")
            << QStringList {"-style", "Fusion", "-reverse", "--bogus"} << false << bogus;
        QTest::newRow("beside the X11 platform's")
            << QStringList {"-display", ":9", "-name", "x", "--bogus"} << false << bogus;
        QTest::newRow("-?") << QStringList {"-?"} << false << QStringLiteral("Selvanthe: Unknown option '?'.\n");
    }
    void refusesAnUnknownOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(QString, told);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcessEnvironment environment = terminalEnvironment(home);
        if (display)
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const Run run = runProgram(arguments, environment);
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, told);
        QCOMPARE(entries(home), QStringList());
    }

    // A toolkit option of one dash is the toolkit's, never a run of the program's one-letter options
    // (-reverse holds a v): the program starts, and takes its lock.
    void startsWithTheToolkitsOptions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("-reverse") << QStringList {"-reverse"};
        QTest::newRow("-style Fusion") << QStringList {"-style", "Fusion"};
        QTest::newRow("--reverse") << QStringList {"--reverse"};
    }
    void startsWithTheToolkitsOptions()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QProcessEnvironment environment = terminalEnvironment(home);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(SELVANTHE_RUNTIME_DIR "/selvanthe"), arguments);
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(home.filePath(QStringLiteral("selvanthe.lock"))) ||
                                     program.state() == QProcess::NotRunning,
                                 20000);
        const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
        QVERIFY2(program.state() == QProcess::Running, qPrintable(output));
        program.kill();
        program.waitForFinished();
    }
};

SELVANTHE_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
