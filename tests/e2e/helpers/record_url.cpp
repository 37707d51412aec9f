// Test helper: stands in for the web browser.
//   record_url LOG_FILE ADDRESS
// Appends ADDRESS and a line break to LOG_FILE, so the driver sees exactly which address
// the shell handed over and how often.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::string line = std::string(argv[2]) + "\r\n";
    // Several opens can come in quick succession: each waits for the file to be free.
    for (int waited = 0; waited < 10000; waited += 20) {
        HANDLE f = CreateFileA(argv[1], FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(f, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            CloseHandle(f);
            return written == line.size() ? 0 : 3;
        }
        Sleep(20);
    }
    return 4;
}
