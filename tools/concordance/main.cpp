// selwarth-concordance: a stand-in concordance program that answers
// Selwarth's concordance link over DDE.

#include <csignal>
#include <iostream>

#include "options.h"
#include "server.h"

namespace {

volatile bool StopRequested = false;

extern "C" void RequestStop(int) {
  StopRequested = true;
}

} // namespace

int main(int argc, char *argv[]) {
  std::string error;
  std::optional<concordance::Options> options = concordance::ParseOptions(argc, argv, error);
  if (!options) {
    std::cerr << "selwarth-concordance: " << error << "\n";
    return 2;
  }
  if (options->help) {
    std::cout << concordance::HelpText;
    return 0;
  }
  struct sigaction stop {};
  stop.sa_handler = RequestStop;
  sigemptyset(&stop.sa_mask);
  for (int signal : {SIGTERM, SIGINT, SIGHUP})
    sigaction(signal, &stop, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  concordance::Server server(*options);
  if (!server.Start(error)) {
    std::cerr << "selwarth-concordance: " << error << "\n";
    return 1;
  }
  std::cout << "Serving \"" << options->service << "\"" << std::endl;
  server.Run(&StopRequested);
  server.Stop();
  return 0;
}
