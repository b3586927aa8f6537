// For scale, not a budget: the bare window plus as many plain line edits and labels as the main window has,
// with nothing of ours (no fonts, colours, filters or game state). Shows what Qt's widgets alone cost at start.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

#include "bench/erstesbild.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.resize(1016, 741);
    auto* zentrum = new QWidget(&fenster);
    fenster.setCentralWidget(zentrum);
    for (int i = 0; i < 416; ++i) {
        auto* f = new QLineEdit(QStringLiteral("0"), zentrum);
        f->setMaxLength(1);
        f->setGeometry(10 + (i % 32) * 30, 10 + (i / 32) * 24, 19, 19);
    }
    for (int i = 0; i < 320; ++i) {
        auto* l = new QLabel(QStringLiteral("0"), zentrum);
        l->setGeometry(10 + (i % 32) * 30, 350 + (i / 32) * 24, 19, 19);
    }
    new ovi::bench::ErstesBild(&fenster);
    fenster.show();
    return app.exec();
}
