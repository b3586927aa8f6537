// The floor for start-up: a bare Qt Widgets program that shows an empty window of the same size.
#include <QApplication>
#include <QMainWindow>

#include "bench/erstesbild.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.resize(1016, 741);
    new ovi::bench::ErstesBild(&fenster);
    fenster.show();
    return app.exec();
}
