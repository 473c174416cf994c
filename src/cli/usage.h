#pragma once

#include <string>

namespace rotavex {

// What --help writes: the command line, every option and every field the
// calculator writes, and its exit status.
const std::string &usage();

}   // namespace rotavex
