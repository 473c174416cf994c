#pragma once
// What a screen reader finds in a report area: a read-only text of several
// lines, named after the area, holding the report the area shows.

namespace rotavex {

// Lets assistive technology reach every report area through the text
// interface below; once per program, any further call does nothing.
void installReportAreaAccessibility();

}   // namespace rotavex
