#include "marquee_command.h"

#include <cerrno>
#include <cstring>

#include "codepage.h"
#include "content/marquee_export.h"
#include "platform/profile.h"

namespace qxp {

int RunMarqueeCommand(const std::vector<std::string> &arguments, std::FILE *out,
                      std::FILE *errors) {
  bool utf8 = false;
  for (const std::string &word : arguments) {
    if (word != "--utf8") {
      std::fprintf(errors, "qxp marquee: unexpected '%s'\nusage: qxp marquee [--utf8]\n",
                   word.c_str());
      return 2;
    }
    utf8 = true;
  }
  // Read as the screen saver reads it: through the profile reader, no longer
  // than the program writes it.
  std::string stored = platform::GetPrivateProfileString("Screen Saver.Marquee", "Text", "",
                                                         MarqueeLength + 1, "CONTROL.INI");
  if (stored.empty()) {
    std::fprintf(errors,
                 "qxp marquee: no screen saver text in %s (in Selwarth, tick Screen "
                 "Saver in Settings > Program and choose a package)\n",
                 platform::ProfilePath("CONTROL.INI").c_str());
    return 1;
  }
  std::string line = stored + "\r\n";
  std::string text = utf8 ? TerminalText(line) : line;
  // A full disk or a closed pipe must not pass for a printed text.
  if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0) {
    std::fprintf(errors, "qxp marquee: cannot write the text: %s\n", std::strerror(errno));
    return 1;
  }
  return 0;
}

} // namespace qxp
