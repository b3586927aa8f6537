// ovi kuvela: the tipping game for the 2006 World Cup.
#include "ui/programm.h"

int main(int argc, char** argv) { return ovi::laufe(argc, argv); }
