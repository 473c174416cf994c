#include "folder_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace rotavex {

std::vector<std::string> filesInFolder(const std::string &folder)
{
    std::vector<std::string> names;
    DIR *entries = ::opendir(folder.c_str());
    if (!entries)
        return names;
    while (const dirent *entry = ::readdir(entries)) {
        if (entry->d_name[0] == '.')
            continue;
        struct stat status {};
        if (::fstatat(::dirfd(entries), entry->d_name, &status, 0) == 0 && S_ISREG(status.st_mode))
            names.emplace_back(entry->d_name);
    }
    ::closedir(entries);
    return names;
}

}   // namespace rotavex
