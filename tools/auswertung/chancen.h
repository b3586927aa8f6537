// The chances and the rules side by side on the command line: --chancen, --szenario, --vergleich.
#pragma once

#include <string>

#include "ausgabe/tabellendokument.h"
#include "core/spielstand.h"

namespace ovi::werkzeug {

// `weltmeister`: the answer to a drawn final that counts (-1 none). Each returns the exit code.
int zeigeChancen(const Spielstand& s, int weltmeister, bool csv);
// The scenario of the participant named (or numbered) `wer`: 1 when there is none such who plays along.
int zeigeSzenario(const Spielstand& s, int weltmeister, const std::string& wer, const std::string& datei);
int zeigeVergleich(const Spielstand& s, int weltmeister, bool csv);
// The chances as a part of the HTML page.
Zusatzteil chancenFuerSeite(const Spielstand& s, int weltmeister);

}  // namespace ovi::werkzeug
