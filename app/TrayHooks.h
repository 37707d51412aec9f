#pragma once
// The main window's links to the tray subsystem, in one place until the tray icon
// component and its taskbar routine are part of the build: each function forwards to the
// tray code once it is there.

// Hides the application's taskbar button for the rest of the run (tray/: HideTaskbarButton).
void HideApplicationTaskbarButton();
