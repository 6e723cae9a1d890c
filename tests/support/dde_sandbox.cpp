#include "support/dde_sandbox.h"

#include <gtest/gtest.h>

#include "platform/dde.h"

namespace testsupport {

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
