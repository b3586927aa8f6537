// Which options go together. Each command of the tool takes the options of its own line and no other command:
// anything else given with it would be ignored, so it is a usage error instead. A new command is one new line; a
// command that is also a part of another (a section of the HTML page) is named among that one's options too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ovi::werkzeug {

struct Befehl {
    std::string_view name;  // empty: the ranking, what the tool does without a command
    std::vector<std::string_view> optionen;
};

inline const std::vector<Befehl> befehle = {
    {"", {"--csv", "--sortierung", "--weltmeister"}},
    {"--bericht", {"--weltmeister"}},
    {"--spielplan", {"--spielinfo", "--csv"}},
    {"--gruppen", {"--spielinfo", "--csv"}},
    {"--html", {"--berichte", "--chancen", "--sortierung", "--weltmeister"}},
    {"--verlauf", {"--csv", "--weltmeister"}},
    {"--tipptext", {"--csv"}},
    {"--fehlende", {}},
    {"--tippzettel", {"--ansicht"}},
    {"--chancen", {"--csv", "--weltmeister"}},
    {"--szenario", {"--weltmeister"}},
    {"--vergleich", {"--csv", "--weltmeister"}},
};

// The options given (commands among them, in the order given): empty when they fit together, else
// the reason in German ("--gruppen und --html schließen einander aus", "--csv gehört nicht zu --html").
std::string passenZusammen(const std::vector<std::string>& gegeben);

}  // namespace ovi::werkzeug
