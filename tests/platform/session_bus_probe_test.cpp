#include "platform/session_bus_probe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/start_program.h"
#include "support/background_process.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace {

using platform::BusProbe;

enum class Bus { None, Silent, Real };

struct ProbeCase {
  const char *name;
  // The address, "@" standing for the bus's path or abstract name; nullopt:
  // not set, the bus in XDG_RUNTIME_DIR.
  std::optional<std::string> address;
  Bus bus;
  bool abstract;
  BusProbe expected;
};

class SessionBusProbeTest : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(SessionBusProbeTest, TellsABusThatTakesConnectionsButNeverAnswers) {
  const ProbeCase &c = GetParam();
  testsupport::TempDir folder;
  const std::string name =
      c.abstract ? "selwarth-probe-" + std::to_string(getpid()) : folder.File("bus");
  // Silent: connections wait in the queue of a socket nobody reads.
  int silent = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  std::unique_ptr<testsupport::BackgroundProcess> real;
  if (c.bus == Bus::Silent) {
    sockaddr_un where{.sun_family = AF_UNIX, .sun_path = {}};
    name.copy(where.sun_path + (c.abstract ? 1 : 0), sizeof where.sun_path - 2);
    // A path with its NUL, an abstract name after its leading one.
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr *>(&where), length), 0) << name;
    ASSERT_EQ(listen(silent, 4), 0);
  } else if (c.bus == Bus::Real) {
    const std::string daemon = platform::FindProgram("dbus-daemon");
    if (daemon.empty())
      GTEST_SKIP() << "dbus-daemon is not installed (scripts/install-deps.sh installs it)";
    const std::string kind = c.abstract ? "abstract=" : "path=";
    real = std::make_unique<testsupport::BackgroundProcess>(
        daemon, std::vector<std::string>{"--session", "--nofork", "--nopidfile", "--print-address",
                                         "--address=unix:" + kind + name});
    ASSERT_TRUE(testsupport::WaitUntil([&] { return !real->Output().empty(); })) << name;
  }
  std::optional<std::string> address = c.address;
  if (address && address->find('@') != std::string::npos)
    address->replace(address->find('@'), 1, name);
  testsupport::ScopedEnvironment named("DBUS_SESSION_BUS_ADDRESS", address);
  testsupport::ScopedEnvironment runtime("XDG_RUNTIME_DIR", folder.Path().string());
  // A silent bus is silent however long it is waited for.
  EXPECT_EQ(platform::ProbeSessionBus(c.expected == BusProbe::Answers ? 20000 : 200), c.expected);
  close(silent);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, SessionBusProbeTest,
    ::testing::Values(
        ProbeCase{"Silent", "unix:path=@", Bus::Silent, false, BusProbe::Silent},
        ProbeCase{"Real", "unix:path=@,guid=1234", Bus::Real, false, BusProbe::Answers},
        ProbeCase{"SilentAbstract", "unix:abstract=@", Bus::Silent, true, BusProbe::Silent},
        ProbeCase{"RealAbstract", "unix:abstract=@", Bus::Real, true, BusProbe::Answers},
        // The first address that takes a connection is the bus.
        ProbeCase{"FirstThatConnects", "unix:path=/gone;unix:path=@", Bus::Silent, false,
                  BusProbe::Silent},
        ProbeCase{"Escaped", "unix:path=%2f@", Bus::Silent, false, BusProbe::Silent},
        ProbeCase{"NothingThere", "unix:path=@", Bus::None, false, BusProbe::Unknown},
        ProbeCase{"OtherKind", "tcp:host=localhost,port=1", Bus::None, false, BusProbe::Unknown},
        ProbeCase{"RuntimeFolder", std::nullopt, Bus::Silent, false, BusProbe::Silent},
        ProbeCase{"Unnamed", std::nullopt, Bus::None, false, BusProbe::Unknown}),
    [](const ::testing::TestParamInfo<ProbeCase> &info) { return std::string(info.param.name); });

} // namespace
