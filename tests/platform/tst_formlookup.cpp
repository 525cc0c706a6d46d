// A window is asked for by its class (Forms::Get<T>, Forms::Peek<T>) and found by the name the class
// carries. A window of another class registered under that name stops the program with a message that
// names the window and both classes, before anything could use it as what it is not.
#include "TestMain.h"

#include "platform/Forms.h"
#include "shell/frmAbout.h"

#include <QProcess>

namespace testing {

// A window of no class of the program's, registered under the about box's name.
class Impostor : public platform::Form {
    Q_OBJECT
public:
    Impostor() : Form(QString::fromLatin1(shell::frmAbout::kFormName)) {}
};

} // namespace testing

namespace {

const char* const kLookupVariable = "SELVANTHE_FORM_LOOKUP";

// Runs this test program again, making the lookup at its start; gives what it wrote (the test library
// logs a fatal message among its own lines), and whether it stopped without finishing its run.
QString runLookup(const QString& lookup, bool* crashed)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kLookupVariable), lookup);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("theRightClassIsFound")});
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
    }
    *crashed = child.exitStatus() == QProcess::CrashExit;
    return QString::fromUtf8(child.readAll());
}

void registerImpostor()
{
    platform::Forms::Unregister(QString::fromLatin1(shell::frmAbout::kFormName));
    platform::Forms::Register(QString::fromLatin1(shell::frmAbout::kFormName), [] { return new testing::Impostor; });
}

} // namespace

class TestFormLookup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString lookup = qEnvironmentVariable(kLookupVariable);
        if (lookup.isEmpty())
            return;
        // A child run: the lookup, which must stop the run before it returns.
        testing::freshProgram();
        registerImpostor();
        if (lookup == QLatin1String("Get")) {
            platform::Forms::Get<shell::frmAbout>();
        } else {
            platform::Forms::Get(QString::fromLatin1(shell::frmAbout::kFormName));
            platform::Forms::Peek<shell::frmAbout>();
        }
        std::fprintf(stderr, "the lookup went on\n");
    }

    void init() { testing::freshProgram(); }

    void theRightClassIsFound()
    {
        shell::frmAbout* about = platform::Forms::Get<shell::frmAbout>();
        QVERIFY(about);
        QCOMPARE(platform::Forms::Peek<shell::frmAbout>(), about);
        platform::Forms::Unload(about);
        QVERIFY(!platform::Forms::Peek<shell::frmAbout>());
    }

    void anotherClassStopsTheRun_data()
    {
        QTest::addColumn<QString>("lookup");
        QTest::newRow("Get") << "Get";
        QTest::newRow("Peek") << "Peek";
    }
    void anotherClassStopsTheRun()
    {
        QFETCH(QString, lookup);
        bool crashed = false;
        const QString errors = runLookup(lookup, &crashed);
        QVERIFY2(crashed, qPrintable(errors));
        QVERIFY2(errors.contains(QStringLiteral("Forms::%1: the window \"frmAbout\" is a testing::Impostor, not the "
                                                "shell::frmAbout asked for")
                                     .arg(lookup)),
                 qPrintable(errors));
        QVERIFY2(!errors.contains(QStringLiteral("the lookup went on")), qPrintable(errors));
    }
};

SELVANTHE_TEST_MAIN(TestFormLookup)
#include "tst_formlookup.moc"
