// The network-refresh batch: its usual text, where it is written and how it is started.
#pragma once

#include <string>
#include <string_view>

// The five commands, each followed by CR LF, as the hidden batch editor holds them.
extern const char* const kNetworkBatchText;

extern const char* const kNetworkBatchFileName;  // "RestorationNet.bat"

// The temporary folder (with its trailing backslash) + "\RestorationNet.bat": the doubled
// backslash is kept, the file system reads it as one separator.
std::string NetworkBatchPath(std::string_view tempFolder);

// The command line that runs the batch through the given command interpreter: both paths
// quoted, /d so that no AutoRun command of the registry runs along, and the batch path in
// the doubled quotes that /c strips again.
std::string BatchCommandLine(std::string_view interpreterPath, std::string_view batchPath);
