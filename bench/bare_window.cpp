// The least a Qt Widgets program shows: one empty window of the picker's
// size. bench/side-by-side measures the picker against it, both built here
// with the same toolkit and flags.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(486, 282);
    window.show();
    return QApplication::exec();
}
