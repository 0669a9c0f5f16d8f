#include "core/prompts.h"

namespace vh {

std::string FileTitleOf(const std::string& path) {
    size_t p = path.find_last_of('/');
    return p == std::string::npos ? path : path.substr(p + 1);
}

std::string FolderOf(const std::string& path) {
    size_t p = path.find_last_of('/');
    return p == std::string::npos ? std::string() : path.substr(0, p + 1);
}

FileChoice WithDefaultSuffix(FileChoice choice, const std::string& suffix) {
    if (choice.Path.empty() || suffix.empty() || FileTitleOf(choice.Path).find('.') != std::string::npos)
        return choice;
    choice.Path += "." + suffix;
    choice.Title = FileTitleOf(choice.Path);
    return choice;
}

}  // namespace vh
