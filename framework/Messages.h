#pragma once
// The message record every framework control's WindowProc receives; the private message
// numbers come from PrivateMessages.h. Portable: the numbers need no platform headers.
#include "framework/PrivateMessages.h"

#include <cstdint>

// One window message. WParam/LParam/Result have the width of the platform's WPARAM, LPARAM
// and LRESULT (32 bits on the target).
struct TMessage {
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};
