// The standings on paper: painted page by page onto a printer, the print preview or a PDF writer.
// The file title and date head every page, a table's head is repeated after a page break, and
// figures given as SVG are painted as vector graphics.
#pragma once

#include <functional>
#include <string>

#include "ausgabe/tabellendokument.h"

class QPagedPaintDevice;

namespace ovi {

// A4 upright with 12 mm margins: what the PDF export uses and the printer is preset to.
void richteSeiteEin(QPagedPaintDevice& geraet);

// Paints onto the device with its page layout; returns the number of pages.
int maleTabellendokument(const Tabellendokument& d, QPagedPaintDevice& geraet);

// The whole PDF file as bytes, for the safe writer.
std::string tabellenPdf(const Tabellendokument& d);
// A PDF of A4 pages as bytes, painted by malen onto the writer; titel goes into the file's information.
std::string pdfDatei(const std::string& titel, const std::function<void(QPagedPaintDevice&)>& malen);

}  // namespace ovi
