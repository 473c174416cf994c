#pragma once

#include "report_lines.h"

#include <vector>

namespace rotavex {

// Splits a printout into the documents it sends to the printer, without
// their EndDocument items. A document end with nothing written since the
// last one sends nothing, so font changes before it carry over into the next
// document; items after the last end that write nothing are dropped, and
// written items after it make a last document of their own.
std::vector<Report> splitDocuments(const Report &printout);

}   // namespace rotavex
