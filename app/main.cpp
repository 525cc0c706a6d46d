#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!shell::StartProgram())
        return 0;
    return app.exec();
}
