#pragma once
// Resource identifiers shared by Kelvora.rc and the code that loads the resources.
#define IDI_KELVORA     1   // the program and tray icon, 48x48 with alpha
#define IDR_BANNER_JPEG 100 // the banner picture at the top of the main window (RCDATA)
#define IDR_SKIN_PACKAGE 101 // the main window's skin package, the bare bytes (RCDATA)
// The menu glyph strip is the bitmap named "DORVANEMENU" (64 x 16, white is the mask).
