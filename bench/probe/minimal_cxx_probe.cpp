// The floor that `qxp today` is measured against beside `verse` (a C
// program): a C++ program that does nothing but keep a string, linked as qxp
// is (libstdc++ shared, position-independent). What it costs is loading and
// relocating libstdc++, which any C++ program linked with the system's
// libraries pays before main.

#include <string>

int main(int argc, char **argv) {
  const std::string last(argv[argc - 1]);
  return last.empty() ? 1 : 0;
}
