#pragma once

// The first start in a new data folder: the launcher seeds the folder with
// the sample packages and starts the program with --readable-fonts, and
// every package there that has no font of its own is given the desktop's
// readable font (Backend::ReadableFont) through the ordinary font keys
// (<name>_fontname, <name>_fontsize), as Settings > Packages would. A
// package added later keeps the plain default, as anything set up by hand.
// A failed write is told in a message box: this start was the one chance.
void GiveReadableFonts();
