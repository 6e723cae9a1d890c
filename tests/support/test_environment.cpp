// What every test program runs with, whatever the machine or its user has
// set, set before the first test and inherited by the programs the tests
// start: no display (the Qt tests use the offscreen platform, the desktop
// tests start their own), English unless a test asks for another language,
// and no dotfiles of the user's (fonts, Qt's settings, SWORD modules): the
// home is an empty folder of the build's, with the XDG folders below it
// unless a test sets its own. ctest's environment properties cannot carry a
// list through the discovery of GoogleTest's tests, so it is done here.

#include <cstdlib>
#include <initializer_list>

namespace {

const bool FixedEnvironment = [] {
  for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES",
                           "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "SWORD_PATH"})
    unsetenv(name);
  setenv("LANG", "C.UTF-8", 1);
  setenv("HOME", SELWARTH_TEST_HOME, 1);
  return true;
}();

} // namespace
