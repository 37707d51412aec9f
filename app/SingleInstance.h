#pragma once
// One running copy per login session: the named mutex "title".

enum class InstanceClaim {
    First,          // this copy owns the mutex; it keeps it until the process ends
    AlreadyRunning, // another copy (or another program) created a mutex of that name
    NameTaken,      // the name belongs to another kind of object, or the call failed
};

// Creates the mutex "title" with initial ownership, in the session's own namespace.
// On First the handle is deliberately kept open for the life of the process (the system
// drops it at exit); on AlreadyRunning the extra handle is closed before returning.
InstanceClaim ClaimSingleInstance();
