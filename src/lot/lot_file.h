#pragma once
// A lot of services as a file a spreadsheet opens and writes back:
//
//     ROTAVEX lote de servicios
//     Nombre;Transporte escolar 2027, lote 3
//     Años;4
//     Beneficio;6
//     IVA;10
//     Servicio;Clase;Km;Vacio;Horas;Servicios al año;Datos;Precio ofertado
//     Ruta 1;2;35;12;2,5;175;;
//
// The header lines come before the row of column names, in any order; that
// row fixes the columns. It is written with ';', decimal commas, a
// byte-order mark and CR LF, and read in any convention a spreadsheet writes.

#include "lot.h"

#include <optional>
#include <string>
#include <string_view>

namespace rotavex {

inline constexpr std::string_view LotFileMark = "ROTAVEX lote de servicios";

// The largest lot file read: some hundred thousand services.
inline constexpr std::size_t MaxLotFileBytes = 16 * 1024 * 1024;

// The lot, or why the file is refused whole, with its line: no mark, a
// needed header line or column missing, a header value that is wrong. A
// service's cells are taken as they stand; a wrong one refuses that service
// alone when the lot is priced.
struct LotFileReading {
    std::optional<Lot> lot;
    std::string refusal;
};
LotFileReading readLotFile(std::string_view bytes);

// Every number cell that reads as a number is written as one, so that a
// spreadsheet takes it as a figure; any other cell as its text.
std::string lotFileBytes(const Lot &lot);

LotFileReading loadLotFile(const std::string &path);
// Replaces the file as the data files are replaced; the cause when it fails.
std::optional<std::string> saveLotFile(const std::string &path, const Lot &lot);

}   // namespace rotavex
