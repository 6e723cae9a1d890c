#pragma once

// Running a part of the program that needs no window (the reminder): a Qt
// core application, so that the session bus delivers its signals, with the
// interface's language loaded. No display is needed. No Qt header is needed
// to call it.

#include <string>

class DesktopNotifications;

// A text marked in context in the desktop's language, as UTF-8.
using WindowlessWords = std::string (*)(const char *context, const char *text);

// Runs run with the words of the desktop's language and the desktop's
// notification server, and returns its status.
int StartWithoutWindow(int argc, char **argv,
                       int (*run)(WindowlessWords words, DesktopNotifications &notifications));
