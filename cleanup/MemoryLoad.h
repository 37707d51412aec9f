// The system performance index: the share of physical memory in use, in percent.
#pragma once

#include <cstdint>

std::uint32_t ReadMemoryLoad();
