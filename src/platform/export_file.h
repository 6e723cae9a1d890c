#pragma once

// Opening a file the program hands its text to (SELWARTH.TXT in the packages
// folder). The folder comes from other people, so the name may be a symbolic
// link to one of the user's files, a FIFO that no one reads, or a device:
// only a regular file of the user's own is ever written.

#include <cstdio>
#include <string>

#include "platform/result.h"

namespace platform {

// Opens path for writing, emptied, creating it (mode 0666 less the umask)
// when absent. A symbolic link is not followed, and the open never waits on a
// FIFO; a name that is a link, not a regular file once open, or a file of
// another user is refused and left as it is. A refusal or a failed open says
// why in words fit for a message.
Result<std::FILE *> CreateExportFile(const std::string &path);

} // namespace platform
