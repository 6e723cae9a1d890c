#include "support/dde_sandbox.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/dde.h"

namespace testsupport {

DdeSandbox::DdeSandbox() {
  if (const char *previous = std::getenv("XDG_RUNTIME_DIR"))
    previous_ = previous;
  setenv("XDG_RUNTIME_DIR", runtime_.Path().c_str(), 1);
}

DdeSandbox::~DdeSandbox() {
  if (previous_)
    setenv("XDG_RUNTIME_DIR", previous_->c_str(), 1);
  else
    unsetenv("XDG_RUNTIME_DIR");
}

std::string DdeSandbox::Folder() const {
  return runtime_.File("selwarth-dde");
}

std::unique_ptr<BackgroundProcess> StartConcordance(const std::string &service,
                                                    const std::vector<std::string> &extra) {
  std::vector<std::string> arguments{"--service", service};
  arguments.insert(arguments.end(), extra.begin(), extra.end());
  auto server =
      std::make_unique<BackgroundProcess>(BuiltProgram("selwarth-concordance"), arguments);
  bool up = WaitUntil([&] { return platform::DdeServiceListening(service) || !server->Running(); });
  if (!up || !server->Running()) {
    ADD_FAILURE() << "the concordance server did not start: " << server->Output();
    return nullptr;
  }
  return server;
}

} // namespace testsupport
