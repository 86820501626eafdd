// The floor for the window program's start on Linux: QApplication and one empty widget
// of the main dialog's client size (432 x 246), nothing else. bench/start-times starts
// it and pemlar alternately. The first argument is the window title.

#include <QApplication>
#include <QString>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                   : QStringLiteral("Leeres Fenster"));
    window.setFixedSize(432, 246);
    window.show();
    return QApplication::exec();
}
