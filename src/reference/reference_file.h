#pragma once
// A set of reference values as a file a spreadsheet opens and writes back:
//
//     ROTAVEX valores de referencia
//     Nombre;Observatorio julio 2025
//     Concepto;Clase 1;Clase 2;Clase 3;Clase 4
//     SalarioConductor;35790,59603;35790,59603;35790,59603;35790,59603
//     ... one row for each of the thirteen quantities, in any order
//
// It is written with ';', decimal commas, a byte-order mark and CR LF, and
// read in any of the conventions a spreadsheet writes.

#include "model/observatory_values.h"

#include <optional>
#include <string>
#include <string_view>

namespace rotavex {

inline constexpr std::string_view ReferenceFileMark = "ROTAVEX valores de referencia";

// The set, or why the file is refused whole: the line and what is wrong
// ("línea 5: HorasConductor, clase 2: «abc» no es un número"), a missing
// row named too.
struct ReferenceFileReading {
    std::optional<ReferenceSet> set;
    std::string refusal;
};
ReferenceFileReading readReferenceFile(std::string_view bytes);

std::string referenceFileBytes(const ReferenceSet &set);

// The same on disk: a file that cannot be read is refused with the cause
// ("el fichero no existe").
ReferenceFileReading loadReferenceFile(const std::string &path);

// Replaces the file at path as the data files are replaced, so that a save
// that fails leaves it as it was; the cause when it does.
std::optional<std::string> saveReferenceFile(const std::string &path, const ReferenceSet &set);

}   // namespace rotavex
