// Host build: whole-file access through the C library; reasons from strerror.
#include "framework/FileIo.h"

#include "framework/Exceptions.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;
}  // namespace

std::string ReadWholeFile(const std::string& path) {
    File f(std::fopen(path.c_str(), "rb"));
    if (!f) throw EFOpenError(path, std::strerror(errno));
    std::string data;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) data.append(buffer, n);
    if (std::ferror(f.get())) throw EReadError("Stream read error");
    return data;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    File f(std::fopen(path.c_str(), "wb"));
    if (!f) throw EFCreateError(path, std::strerror(errno));
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size())
        throw EWriteError("Stream write error");
    if (std::fflush(f.get()) != 0) throw EWriteError("Stream write error");
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
