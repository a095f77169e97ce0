// The least a Qt Widgets program shows: one empty window of the picker's
// size; with --text, one line of text in it, which is what loading the
// system's fonts and shaping text adds. bench/side-by-side measures the
// picker against both, all built here with the same toolkit and flags.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(486, 282);
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        (new QLabel(QStringLiteral("Pigmentrix"), &window))->move(8, 8);
    window.show();
    return QApplication::exec();
}
