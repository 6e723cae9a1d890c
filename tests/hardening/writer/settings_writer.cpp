// selwarth-settings-writer: writes settings keys through our profile code,
// for the tests that kill writers or run several at once.
//
//   selwarth-settings-writer FILE rewrite TRY KEYS
//       stores [Added] T<TRY>=1, says "ready" on standard output, then
//       rewrites [Selwarth] K0 .. K<KEYS-1> with ever new values until killed
//   selwarth-settings-writer FILE keys PREFIX COUNT
//       stores [S] <PREFIX><i>=<i> for i below COUNT; exits 1 when a write failed

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/profile.h"

namespace {

// Long enough that a value cut short cannot pass for a whole one.
const std::string Padding(120, 'x');

} // namespace

int main(int argc, char *argv[]) {
  if (argc != 5)
    return 2;
  const std::string file = argv[1];
  const std::string mode = argv[2];
  if (mode == "rewrite") {
    const int keys = std::atoi(argv[4]);
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    // The writer is killed somewhere in these: a failed write shows in the
    // file the test checks, not here.
    (void)platform::WritePrivateProfileString("Added", std::string("T") + argv[3], "1", file);
    for (long round = 0; keys > 0; ++round)
      (void)platform::WritePrivateProfileString("Selwarth", "K" + std::to_string(round % keys),
                                                "v" + std::to_string(round) + ":" + Padding, file);
    return 2;
  }
  if (mode == "keys") {
    const int count = std::atoi(argv[4]);
    bool written = true;
    std::string error;
    for (int i = 0; i < count; ++i)
      if (platform::Result<void> one = platform::WritePrivateProfileString(
              "S", argv[3] + std::to_string(i), std::to_string(i), file);
          !one) {
        written = false;
        error = one.error();
      }
    if (!written)
      std::fprintf(stderr, "%s\n", error.c_str());
    return written ? 0 : 1;
  }
  return 2;
}
