// Test helper: holds a named kernel object until it is ended.
//   hold_object mutex|event NAME READY_EVENT
// Creates a mutex (owned) or an event called NAME, then signals the event READY_EVENT
// so the driver knows the name is taken, and sleeps.
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    HANDLE object = std::strcmp(argv[1], "mutex") == 0 ? CreateMutexA(nullptr, TRUE, argv[2])
                                                       : CreateEventA(nullptr, TRUE, FALSE, argv[2]);
    if (!object) return 3;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[3]);
    if (!ready) return 4;
    SetEvent(ready);
    CloseHandle(ready);
    Sleep(INFINITE);
    return 0;
}
