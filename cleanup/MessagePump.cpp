#include "cleanup/MessagePump.h"

#include "framework/Forms.h"

void PumpMessages() {
    // Timer ticks pump every 10 ms: the application's cheap pump, which skips looking at
    // a queue it already knows to be empty.
    Application->ProcessWaitingMessages();
}
