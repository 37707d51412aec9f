#include "cleanup/MessagePump.h"

#include <windows.h>

#include "framework/Forms.h"

void PumpMessages() {
    // Asking the queue first keeps the common case cheap: under Wine a PeekMessage that
    // finds nothing also gives up the processor, and timer ticks pump every 10 ms.
    if (HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0) return;
    Application->ProcessMessages();
}
