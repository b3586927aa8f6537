// Tool tips that carry a user's text (a team name read from a file) are shown as they stand. Qt reads a tool tip as
// HTML as soon as it looks like some ("<b>", "&lt;"), and a tool tip has no text format of its own to switch that
// off: a filter on the application shows such a tip escaped instead. The tool tip text itself stays as it is.
#pragma once

class QString;

namespace ovi {

// Installs the filter on the application once; later calls do nothing.
void zeigeTippsAlsKlartext();
// What the tool tip label is handed for a tip: the text itself, or escaped when Qt would take it for HTML.
QString tippAlsKlartext(const QString& tipp);

}  // namespace ovi
