#pragma once
// The sixteen numeric inputs of the program. Their values live only as the
// texts of their fields; every reader gathers those texts into FieldTexts.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace rotavex {

enum class Input {
    Salacon,
    Htraba,
    Cosgen,
    Cosaut,
    Vidaut,
    Kmaut,
    Cosman,
    Cosfin,
    Plafin,
    Cosgas,
    Cosneu,
    Vidneu,
    Cosseg,
    Km,
    Vacio,
    Horas,
};

inline constexpr std::size_t InputCount = 16;

inline constexpr std::array<Input, InputCount> AllInputs = {
    Input::Salacon, Input::Htraba, Input::Cosgen, Input::Cosaut, Input::Vidaut, Input::Kmaut,
    Input::Cosman,  Input::Cosfin, Input::Plafin, Input::Cosgas, Input::Cosneu, Input::Vidneu,
    Input::Cosseg,  Input::Km,     Input::Vacio,  Input::Horas,
};

// The longest text a field holds. Seventeen such texts (general costs twice)
// keep a data file far below the largest one the program loads.
inline constexpr std::size_t MaxFieldTextLength = 255;

// "Salacon", "Htraba", ...: the field of input X is txtX, its label lblX.
std::string_view inputName(Input input);
// What the input is, as the reports name it: "Salario del conductor".
std::string_view inputMeaning(Input input);

// The texts of the sixteen fields, UTF-8, exactly as the fields hold them.
struct FieldTexts {
    std::array<std::string, InputCount> texts;

    std::string &operator[](Input input) { return texts[static_cast<std::size_t>(input)]; }
    const std::string &operator[](Input input) const { return texts[static_cast<std::size_t>(input)]; }
};

}   // namespace rotavex
