#pragma once
// The files a folder offers to load or to save over.

#include <string>
#include <vector>

namespace rotavex {

// The names, as the bytes the system holds, of the regular files in folder
// (a link counts as what it points to); hidden ones (a leading dot) are left
// out. Nothing when the folder cannot be read.
std::vector<std::string> filesInFolder(const std::string &folder);

}   // namespace rotavex
