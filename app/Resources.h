#pragma once
// Resource identifiers shared by Kelvora.rc and the code that loads the resources.
#define IDI_KELVORA     1   // the program and tray icon, 48x48 with alpha
#define IDR_BANNER_JPEG 100 // the banner picture at the top of the main window (RCDATA)
