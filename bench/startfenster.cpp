// Start-up of the real program: the same start as ovikuvela's main(), reporting the first painted frame.
#include "bench/erstesbild.h"
#include "ui/frmhaupt.h"
#include "ui/programm.h"

int main(int argc, char** argv) {
    return ovi::laufe(argc, argv, [](ovi::frmHaupt& fenster) { new ovi::bench::ErstesBild(&fenster); });
}
