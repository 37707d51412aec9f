#include "cleanup/MessagePump.h"

#include "framework/Forms.h"

void PumpMessages() { Application->ProcessMessages(); }
