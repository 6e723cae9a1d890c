#pragma once

// What the DDE tests share: a private socket folder per test, and the
// stand-in concordance server run as a separate process.

#include <memory>
#include <string>
#include <vector>

#include "support/background_process.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace testsupport {

// Points XDG_RUNTIME_DIR at a fresh temporary folder for the object's
// lifetime, so that each test has a DDE folder of its own and its servers
// are seen by no other test.
class DdeSandbox {
public:
  DdeSandbox() = default;

  const TempDir &Runtime() const { return runtime_; }
  // Where the sockets go.
  std::string Folder() const;

private:
  TempDir runtime_;
  ScopedEnvironment runtimeHome_{"XDG_RUNTIME_DIR", runtime_.Path().string()};
};

// Starts selwarth-concordance serving service with the extra arguments and
// waits until it accepts connections; null (with a test failure) when it
// does not come up.
std::unique_ptr<BackgroundProcess> StartConcordance(const std::string &service,
                                                    const std::vector<std::string> &extra = {});

} // namespace testsupport
