// Little-endian Integers, Booleans, Longs and texts as the game's files hold them.
#pragma once

#include <string>
#include <string_view>

#include "core/grundtypen.h"
#include "core/spielstand.h"

namespace ovi::binaer {

class Schreiber {
  public:
    void integer(int wert);
    void boolean(bool wert) { integer(wert ? -1 : 0); }
    void lang(Long wert);
    // Text with its 16-bit length in front (records) or bare (team names).
    void text(const std::string& utf8);
    void bloss(const std::string& utf8);
    void spiel(const Spiel& s);
    std::string& bytes() { return bytes_; }

  private:
    std::string bytes_;
};

// Reads until the first problem; after that every call is a no-op and fehler() says what went wrong.
class Leser {
  public:
    explicit Leser(std::string_view bytes) : bytes_(bytes) {}

    void setzeStelle(std::string stelle) { stelle_ = std::move(stelle); }
    Integer integer(const char* feld, int von, int bis);
    bool boolean();
    Long lang(const char* feld, Long von, Long bis);
    // Text with its length in front; it must be printable like druckbar().
    std::string text(const char* feld);
    std::string bloss(int laenge);
    // Bare text that must be printable: a control byte shows that the bytes are no text at all.
    std::string druckbar(const std::string& was, int laenge);
    Spiel spiel();

    bool ok() const { return fehler_.empty(); }
    const std::string& fehler() const { return fehler_; }

  private:
    bool nimm(std::size_t anzahl);
    // The next bytes as UTF-8, once it is known that they are there.
    std::string zeichen(std::size_t anzahl);
    void melde(std::string text);
    // The bytes from anfang up to here print (cp1252::druckbaresByte); else the first other one is reported.
    bool nurDruckbares(const std::string& was, std::size_t anfang);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::string stelle_;
    std::string fehler_;
};

}  // namespace ovi::binaer
