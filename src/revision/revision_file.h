#pragma once
// A price revision as a file a spreadsheet opens and writes back:
//
//     ROTAVEX revisión de precios
//     Nombre;Contrato 12/2024, revisión 2026
//     Precio;279,03
//     Límite mano de obra;2,5
//     Partida;Peso;Índice inicial;Índice final
//     Conductor;;100;103,4
//     Combustible;;131,2;118,7
//
// Every header line may be left out, in any order before the row of column
// names; an item left out has no weight and no indices. It is written with
// ';', decimal commas, a byte-order mark and CR LF, and read in any
// convention a spreadsheet writes.

#include "revision.h"

#include <optional>
#include <string>
#include <string_view>

namespace rotavex {

inline constexpr std::string_view RevisionFileMark = "ROTAVEX revisión de precios";

// The revision, or why the file is refused, with the line: no mark, no row
// of column names, a line or an item that is not a revision's, or a value
// that the formula cannot take (see readRevisionTerms).
struct RevisionFileReading {
    std::optional<Revision> revision;
    std::string refusal;
};
RevisionFileReading readRevisionFile(std::string_view bytes);

std::string revisionFileBytes(const Revision &revision);

RevisionFileReading loadRevisionFile(const std::string &path);
std::optional<std::string> saveRevisionFile(const std::string &path, const Revision &revision);

}   // namespace rotavex
