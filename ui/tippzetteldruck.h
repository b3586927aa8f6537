// The tip sheet on paper: its text line by line in a fixed-width font, so the columns stay, on as many A4 pages
// as it needs.
#pragma once

#include <string>

class QPagedPaintDevice;

namespace ovi {

// Paints onto the device with its page layout; returns the number of pages.
int maleTippzettel(const std::string& text, QPagedPaintDevice& geraet);
// The whole PDF file as bytes, for the safe writer.
std::string tippzettelPdf(const std::string& text, const std::string& titel);

}  // namespace ovi
