#include "lot.h"

namespace rotavex {

std::string_view lotColumnHeading(LotColumn column)
{
    static constexpr std::array<std::string_view, LotColumnCount> headings = {
        "Servicio", "Clase", "Km", "Vacio", "Horas", "Servicios al año", "Datos", "Precio ofertado"};
    return headings[static_cast<std::size_t>(column)];
}

}   // namespace rotavex
