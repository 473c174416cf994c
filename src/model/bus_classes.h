#pragma once
// The four classes of bus, by their seats, as the reports name them.

#include <string>

namespace rotavex {

// "menos de 22 plazas." ... for classes 1 to 4; empty for any other value.
std::string busClassPhrase(int busClass);

}   // namespace rotavex
