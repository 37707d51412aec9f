// Reading a system text into a buffer that grows to the size the system asks for.
#pragma once

#include <functional>
#include <string>

// `fill(buffer, size)` returns the text's length when it fit into `size` bytes (NUL
// included), otherwise the size it needs, or 0 on failure. Starts with 256 bytes; the
// result is the buffer up to its first NUL (empty on failure).
std::string ReadGrowingBuffer(const std::function<unsigned(char* buffer, unsigned size)>& fill);
