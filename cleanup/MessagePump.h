// Handling every waiting message of the user-interface thread, from inside long actions.
#pragma once

// Handles every message already waiting, then returns. Uses the pump installed with
// SetMessagePump (the application's), else a plain peek-and-dispatch loop that leaves a
// quit request in the queue for the main loop.
void PumpMessages();

using MessagePumpFn = void (*)();
void SetMessagePump(MessagePumpFn pump);
