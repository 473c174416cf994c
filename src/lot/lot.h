#pragma once
// A lot of services: the routes of a tender priced together, as a base
// budget on the reference values or as a bid on an operator's own data.
// Everything is held as the user typed it, in a window's cells or a file's
// fields; pricing reads the texts and refuses what it cannot price.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rotavex {

// The columns of a lot's table of services, in the order of its file.
enum class LotColumn { Name, BusClass, Km, Vacio, Horas, PerYear, DataFile, Offer };
inline constexpr std::size_t LotColumnCount = 8;

// "Servicio", "Clase", "Km", "Vacio", "Horas", "Servicios al año", "Datos",
// "Precio ofertado": the column names of the file and the window.
std::string_view lotColumnHeading(LotColumn column);

struct LotService {
    int line = 0;   // the line of the file it was read from; 0 when typed
    std::array<std::string, LotColumnCount> cells;

    std::string &operator[](LotColumn column) { return cells[static_cast<std::size_t>(column)]; }
    const std::string &operator[](LotColumn column) const { return cells[static_cast<std::size_t>(column)]; }
};

struct Lot {
    std::string name;
    std::string years;       // the contract's term
    std::string profitPct;   // "Beneficio", percent of the cost; empty is 0
    std::string vatPct;      // "IVA", percent; empty is the passenger-transport rate, 10
    std::vector<LotService> services;
};

inline constexpr double DefaultLotVatPct = 10;

}   // namespace rotavex
