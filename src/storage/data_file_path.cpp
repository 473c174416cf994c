#include "data_file_path.h"

namespace rotavex {

std::string joinDataFilePath(std::string_view folder, std::string_view name, char separator)
{
    std::string path(folder);
    if (path.empty() || path.back() != separator)
        path += separator;
    path += name;
    return path;
}

}   // namespace rotavex
