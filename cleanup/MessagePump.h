// Handling every waiting message of the user-interface thread, from inside long actions.
#pragma once

// Handles every message already waiting (through the application, so dialog keys, errors
// and a quit request are treated as in the main loop), then returns. Handlers of the main
// window may run inside.
void PumpMessages();
