// Entry point: one copy per session, then the application with its main window.
#include <windows.h>

#include "app/SingleInstance.h"
#include "app/Unit1.h"
#include "framework/Forms.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // A second copy, or a foreign object called "title", ends the start silently:
    // nothing is shown and the running copy is not brought forward.
    if (ClaimSingleInstance() != InstanceClaim::First) return 0;

    Application->Initialize();  // COM for the user-interface thread
    Application->SetTitle("Kelvora");
    Application->CreateForm<TForm1>();
    Application->Run();  // until the main window closes; frees the forms, ends COM
    return 0;
}
