#pragma once

// The first start in a new data folder: the launcher seeds the folder with
// the sample packages and starts the program with --first-start. Unless the
// user has set them already, the default font (DefaultFontName and
// DefaultFontSize, the font of every package without one of its own) becomes
// the desktop's readable font (Backend::ReadableFont), and the window opens
// at two thirds of the screen, centred, through the keys it is saved under
// (x, y, cx, cy), as Settings > Packages and closing the window would set
// them. A failed write is told in a message box: this start was the one
// chance.
struct Settings;

void SetUpFirstStart(Settings &settings);
