#include "app/Program.h"
#include "platform/Services.h"
#include "platform/Style.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QCommandLineParser>

#include <vector>

namespace {

// The command line as the toolkit's application would see it on the offscreen platform, which needs no
// display: the user's arguments with "-platform offscreen" after them (the last platform named wins).
// The X11 platform's own options are left out, since the offscreen platform does not take them and so
// would leave them as unknown: Qt has no list of a platform's options to ask. Where another platform
// runs after all, its application refuses them in turn, with its display there to do so.
class OffscreenArguments {
public:
    OffscreenArguments(int argc, char** argv)
    {
        static const QByteArrayList withValue {"-display", "-name", "-visual"};
        static const QByteArrayList alone {"-nograb", "-dograb"};
        for (int i = 0; i < argc; ++i) {
            QByteArray argument(argv[i]);
            const QByteArray option = argument.startsWith("--") ? argument.mid(1) : argument;
            if (i > 0 && withValue.contains(option) && i + 1 < argc)
                ++i;
            else if (i == 0 || !alone.contains(option))
                storage_.push_back(argument);
        }
        storage_.emplace_back("-platform");
        storage_.emplace_back("offscreen");
        for (QByteArray& argument : storage_)
            pointers_.push_back(argument.data());
        pointers_.push_back(nullptr);
        count_ = static_cast<int>(storage_.size());
    }
    int& count() { return count_; }
    char** values() { return pointers_.data(); }

private:
    int count_ = 0;
    std::vector<QByteArray> storage_;
    std::vector<char*> pointers_;
};

} // namespace

int main(int argc, char* argv[])
{
    shell::NameProgram();
    platform::settleTemporaryFolder();
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Tarot reading, runes reading and runic tarot in one window."));
    // A word after one dash is one option, as the toolkit reads its own (-reverse, -style): never a run of
    // letters, of which -v would be one.
    options.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    options.addHelpOption();
    options.addVersionOption();

    // --help and --version are answered as a terminal program answers them, with no display: before the
    // application connects to one (a core application only names the program in the usage line).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool understood = options.parse(arguments);
    if (options.isSet(QStringLiteral("version")) || options.isSet(QStringLiteral("help"))) {
        QCoreApplication terminal(argc, argv);
        if (options.isSet(QStringLiteral("version")))
            options.showVersion();
        options.showHelp();
    }
    // The toolkit's own options (-platform, -style, ...) are known only to its application, which takes
    // them out of the command line, and an application on the desktop's platform cannot be made without
    // a display. So a command line with an option the program does not know, or one that asks for the
    // toolkit's options to be listed, is first read by an application on the offscreen platform: what is
    // left unknown there is told and refused (exit 1), and --help-all is answered (exit 0), before any
    // display is needed. A command line of the toolkit's options alone then goes on to start.
    if (!understood || options.isSet(QStringLiteral("help-all"))) {
        OffscreenArguments offscreen(argc, argv);
        QApplication toolkit(offscreen.count(), offscreen.values());
        options.process(toolkit);
    }

    QApplication app(argc, argv);
    platform::InstallStyle();
    options.process(app);
    if (!app::StartProgram())
        return 0;
    return app.exec();
}
