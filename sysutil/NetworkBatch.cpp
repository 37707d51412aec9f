#include "sysutil/NetworkBatch.h"

const char* const kNetworkBatchText =
    "arp -d *\r\n"
    "nbtstat -R\r\n"
    "ipconfig /flushdns\r\n"
    "nbtstat -RR\r\n"
    "ipconfig /registerdns\r\n";

const char* const kNetworkBatchFileName = "RestorationNet.bat";

std::string NetworkBatchPath(std::string_view tempFolder) {
    std::string path(tempFolder);
    path += '\\';
    path += kNetworkBatchFileName;
    return path;
}

std::string BatchCommandLine(std::string_view interpreterPath, std::string_view batchPath) {
    std::string line = "\"";
    line += interpreterPath;
    line += "\" /d /c \"\"";
    line += batchPath;
    line += "\"\"";
    return line;
}
