// ovi kuvela: the tipping game for the 2006 World Cup.
#include "programm.h"

int main(int argc, char** argv) { return ovi::laufe(argc, argv); }
