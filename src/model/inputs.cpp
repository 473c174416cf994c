#include "inputs.h"

namespace rotavex {

namespace {

struct InputNames {
    std::string_view name;
    std::string_view meaning;
};

// In the order of Input.
constexpr std::array<InputNames, InputCount> inputNames = {{
    {"Salacon", "Salario del conductor"},
    {"Htraba", "Horas del conductor"},
    {"Cosgen", "Costes generales"},
    {"Cosaut", "Precio del vehículo"},
    {"Vidaut", "Vida útil del vehículo"},
    {"Kmaut", "Km anuales del vehículo"},
    {"Cosman", "Mantenimiento anual"},
    {"Cosfin", "Coste de la financiación"},
    {"Plafin", "Plazo de financiación"},
    {"Cosgas", "Precio del combustible"},
    {"Cosneu", "Precio de cada neumático"},
    {"Vidneu", "Vida de cada neumático"},
    {"Cosseg", "Seguro anual"},
    {"Km", "Km con pasajeros"},
    {"Vacio", "Km de posicionamiento"},
    {"Horas", "Horas del servicio"},
}};

}   // namespace

std::string_view inputName(Input input) { return inputNames[static_cast<std::size_t>(input)].name; }

std::string_view inputMeaning(Input input) { return inputNames[static_cast<std::size_t>(input)].meaning; }

}   // namespace rotavex
