#pragma once
// Where a data file goes: the folder of the file list, then the name the user
// typed, exactly as typed. No extension is added and nothing is trimmed.

#include <string>
#include <string_view>

namespace rotavex {

#ifdef _WIN32
inline constexpr char NativePathSeparator = '\\';
#else
inline constexpr char NativePathSeparator = '/';
#endif

// The folder, the separator, then the name. A folder that already ends with
// the separator (the root of a volume, such as "C:\" or "/") gets no second one.
std::string joinDataFilePath(std::string_view folder, std::string_view name, char separator = NativePathSeparator);

}   // namespace rotavex
