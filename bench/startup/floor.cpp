// The floor of the toolkit: a bare Qt 6 main window with a work area for document windows and a menu,
// shown as Selvanthe shows its main window (over the screen's free area). No Qt Widgets program of this
// shape starts sooner or smaller, so the start-up bench measures Selvanthe against it.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setCentralWidget(new QMdiArea(&window));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QObject::connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, &app, &QApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.setGeometry(window.screen()->availableGeometry());
    window.show();
    return app.exec();
}
