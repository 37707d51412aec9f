// The list file "p.txt": how its bytes become the working list, and the working list's
// count text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Lines of the file's bytes: reading stops at the first NUL; a line ends at CR LF, a lone
// CR or a lone LF; a last line without a break still counts; a break at the very end adds
// no empty line. Empty lines are names; nothing is trimmed, dropped or sorted.
std::vector<std::string> ParseListText(std::string_view bytes);

// The status bar's count text, "数据版本:12条" for 12 names.
std::string ListCountText(std::size_t count);
