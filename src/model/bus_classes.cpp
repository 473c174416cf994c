#include "bus_classes.h"

namespace rotavex {

std::string busClassPhrase(int busClass)
{
    switch (busClass) {
    case 1: return "menos de 22 plazas.";
    case 2: return "entre 22 y 35 plazas.";
    case 3: return "entre 36 y 55 plazas.";
    case 4: return "más de 55 plazas.";
    default: return "";
    }
}

}   // namespace rotavex
