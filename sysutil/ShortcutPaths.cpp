#include "sysutil/ShortcutPaths.h"

#include "framework/AnsiText.h"

std::string FolderPartOf(std::string_view path) {
    return std::string(path.substr(0, AfterLastDelimiter(path, "\\:")));
}

std::string LinkNameFromTarget(std::string_view target) {
    std::string_view name = target.substr(AfterLastDelimiter(target, "\\:"));
    const std::size_t dot = AfterLastDelimiter(name, ".");
    if (dot > 0) name = name.substr(0, dot - 1);
    return std::string(name);
}

std::string WithoutTrailingBackslash(std::string_view folder) {
    if (!folder.empty() && AfterLastDelimiter(folder, "\\") == folder.size()) folder.remove_suffix(1);
    return std::string(folder);
}

std::string ShortcutFilePath(std::string_view folder, std::string_view linkName) {
    std::string path(folder);
    path += '\\';
    path += linkName;
    path += ".lnk";
    return path;
}
