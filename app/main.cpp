#include "app/Program.h"
#include "platform/Services.h"
#include "platform/Style.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    shell::NameProgram();
    platform::settleTemporaryFolder();
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Tarot reading, runes reading and runic tarot in one window."));
    options.addHelpOption();
    options.addVersionOption();

    // --help and --version are answered as a terminal program answers them, with no display: before the
    // application connects to one (a core application only names the program in the usage line). The
    // toolkit's own options (-platform, -style, ...) are not known yet, so a mistake is told only once the
    // application has taken those; --help-all, which lists them, waits for it as well.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    options.parse(arguments);
    if (options.isSet(QStringLiteral("version")) || options.isSet(QStringLiteral("help"))) {
        QCoreApplication terminal(argc, argv);
        if (options.isSet(QStringLiteral("version")))
            options.showVersion();
        options.showHelp();
    }

    QApplication app(argc, argv);
    platform::InstallStyle();
    options.process(app);
    if (!app::StartProgram())
        return 0;
    return app.exec();
}
