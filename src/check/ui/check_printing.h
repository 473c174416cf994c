#pragma once
// cmdCkprint: the check report on paper.

#include "check/data_check.h"

namespace rotavex {

// Prints the report of the check as one document. Whether "Calcular" may be
// enabled is the check's own verdict (check.calculationOffered()).
void printCheckReport(const DataCheckResult &check);

}   // namespace rotavex
