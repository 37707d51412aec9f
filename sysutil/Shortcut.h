// Shell shortcuts (".lnk") made through the shell's link object.
#pragma once

#include <string>

// Writes "<folder>\<link name>.lnk" pointing at `target`, with the target's folder as
// working directory. An empty link name is derived from the target; special folder -1 with
// an empty folder means the desktop; a special folder of 0 or more (a CSIDL) wins over the
// folder. False when the target is no file, the folder is missing or the save fails; a link
// object that cannot be made raises EOleSysError.
bool CreateShortcut(const std::string& target, const std::string& linkName, const std::string& folder,
                    int specialFolder);
