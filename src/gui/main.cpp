#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("M.U.G.E.N character management tool"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zorvik"));
    window.show();
    return QApplication::exec();
}
