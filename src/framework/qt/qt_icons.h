#pragma once

// The program's icons, drawn rather than loaded: resource 1 is the program
// (an open book on a blue tile), resource 2 a page of a day calendar.

#include <QIcon>
#include <QPixmap>

QPixmap DrawIcon(int resource, int size);

// Icon resource 1 at the usual sizes, for the windows of the program.
QIcon ProgramWindowIcon();
