#pragma once
// What each result field of a record holds, as a command's help lists it.

#include <string>

namespace rotavex {

// The result fields, each with its meaning from column 24, those that share
// a meaning listed together within lines of at most 80 characters.
std::string resultFieldList();

}   // namespace rotavex
