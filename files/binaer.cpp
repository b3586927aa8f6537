#include "files/binaer.h"

#include "files/cp1252.h"

namespace ovi::binaer {

void Schreiber::integer(int wert) {
    const auto w = static_cast<std::uint16_t>(static_cast<Integer>(wert));
    bytes_ += static_cast<char>(w & 0xFF);
    bytes_ += static_cast<char>(w >> 8);
}

void Schreiber::lang(Long wert) {
    const auto w = static_cast<std::uint32_t>(wert);
    for (int i = 0; i < 4; ++i) bytes_ += static_cast<char>((w >> (8 * i)) & 0xFF);
}

void Schreiber::bloss(const std::string& utf8) {
    // Texts that the code page cannot hold never reach the state (the editor refuses them);
    // should one slip through, '?' keeps the file readable.
    const auto b = cp1252::ausUtf8(utf8);
    bytes_ += b ? *b : std::string(utf8.size(), '?');
}

void Schreiber::text(const std::string& utf8) {
    auto b = cp1252::ausUtf8(utf8);
    std::string roh = b ? *b : std::string(utf8.size(), '?');
    if (roh.size() > 0xFFFF) roh.resize(0xFFFF);
    const auto n = static_cast<std::uint16_t>(roh.size());
    bytes_ += static_cast<char>(n & 0xFF);
    bytes_ += static_cast<char>(n >> 8);
    bytes_ += roh;
}

void Schreiber::spiel(const Spiel& s) {
    integer(s.heim);
    integer(s.aus);
    integer(s.ergHeim);
    integer(s.ergAus);
    boolean(s.auswerten);
    integer(s.phase);
    integer(s.tag);
    text(s.datum);
    text(s.zeit);
    integer(s.ort);
    integer(s.schiri);
    text(s.quote);
}

void Leser::melde(std::string text) {
    if (fehler_.empty()) fehler_ = stelle_.empty() ? text : stelle_ + ": " + text;
}

bool Leser::nimm(std::size_t anzahl) {
    if (!ok()) return false;
    if (bytes_.size() - pos_ < anzahl) {
        melde("die Datei endet vorzeitig");
        return false;
    }
    return true;
}

Integer Leser::integer(const char* feld, int von, int bis) {
    if (!nimm(2)) return 0;
    const auto lo = static_cast<unsigned char>(bytes_[pos_]);
    const auto hi = static_cast<unsigned char>(bytes_[pos_ + 1]);
    pos_ += 2;
    const auto wert = static_cast<Integer>(static_cast<std::uint16_t>(lo | (hi << 8)));
    if (wert < von || wert > bis) {
        melde(std::string(feld) + " ist " + std::to_string(wert) + ", erlaubt sind " + std::to_string(von) + " bis " +
              std::to_string(bis));
        return 0;
    }
    return wert;
}

bool Leser::boolean() { return integer("einem Wahrheitswert", -32768, 32767) != 0; }

Long Leser::lang(const char* feld, Long von, Long bis) {
    if (!nimm(4)) return 0;
    std::uint32_t w = 0;
    for (int i = 0; i < 4; ++i)
        w |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
    pos_ += 4;
    const auto wert = static_cast<Long>(w);
    if (wert < von || wert > bis) {
        melde(std::string(feld) + " ist " + std::to_string(wert) + ", erlaubt sind " + std::to_string(von) + " bis " +
              std::to_string(bis));
        return 0;
    }
    return wert;
}

std::string Leser::zeichen(std::size_t anzahl) {
    const std::string_view roh = bytes_.substr(pos_, anzahl);
    pos_ += anzahl;
    return cp1252::nachUtf8(roh);
}

std::string Leser::bloss(int laenge) {
    if (!nimm(static_cast<std::size_t>(laenge))) return {};
    return zeichen(static_cast<std::size_t>(laenge));
}

bool Leser::nurDruckbares(const std::string& was, std::size_t anfang) {
    for (std::size_t i = anfang; ok() && i < pos_; ++i) {
        const auto b = static_cast<unsigned char>(bytes_[i]);
        if (!cp1252::druckbaresByte(b)) {
            static constexpr char hex[] = "0123456789ABCDEF";
            melde(was + " enthält das Steuerzeichen 0x" + hex[b >> 4] + hex[b & 0xF]);
            return false;
        }
    }
    return ok();
}

std::string Leser::druckbar(const std::string& was, int laenge) {
    const std::size_t anfang = pos_;
    std::string utf8 = bloss(laenge);
    return nurDruckbares(was, anfang) ? utf8 : std::string();
}

std::string Leser::text(const char* feld) {
    if (!nimm(2)) return {};
    const std::size_t n =
        static_cast<unsigned char>(bytes_[pos_]) | (static_cast<unsigned char>(bytes_[pos_ + 1]) << 8);
    pos_ += 2;
    if (bytes_.size() - pos_ < n) {
        melde(std::string("der Text ") + feld + " (Länge " + std::to_string(n) + ") reicht über das Dateiende");
        return {};
    }
    // Names and match texts are typed into one line and shown in labels, reports, CSV and HTML: the program's
    // writers never put a control byte there, so one means a damaged or forged file.
    const std::size_t anfang = pos_;
    std::string utf8 = zeichen(n);
    return nurDruckbares(std::string("der Text ") + feld, anfang) ? utf8 : std::string();
}

Spiel Leser::spiel() {
    Spiel s;
    s.heim = integer("die Heimmannschaft", 0, katalog::unbekannt);
    s.aus = integer("die Gastmannschaft", 0, katalog::unbekannt);
    s.ergHeim = integer("die Heimtore", 0, 9);
    s.ergAus = integer("die Gasttore", 0, 9);
    s.auswerten = boolean();
    s.phase = integer("die Phase", 0, katalog::anzahlPhasen - 1);
    s.tag = integer("der Wochentag", 0, katalog::anzahlTage - 1);
    s.datum = text("Datum");
    s.zeit = text("Anstoßzeit");
    s.ort = integer("der Spielort", 0, katalog::anzahlOrte - 1);
    s.schiri = integer("der Schiedsrichter", 0, katalog::anzahlSchiris - 1);
    s.quote = text("Wettquoten");
    return s;
}

}  // namespace ovi::binaer
