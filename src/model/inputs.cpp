#include "inputs.h"

namespace rotavex {

std::string_view inputName(Input input)
{
    static constexpr std::array<std::string_view, InputCount> names = {
        "Salacon", "Htraba", "Cosgen", "Cosaut", "Vidaut", "Kmaut", "Cosman", "Cosfin",
        "Plafin",  "Cosgas", "Cosneu", "Vidneu", "Cosseg", "Km",    "Vacio",  "Horas",
    };
    return names[static_cast<std::size_t>(input)];
}

}   // namespace rotavex
