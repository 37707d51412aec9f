#include "app/TrayHooks.h"

// Not yet forwarded: the tray subsystem's HideTaskbarButton is not in the build yet.
// Until it is, the taskbar button stays when the window hides.
void HideApplicationTaskbarButton() {}
