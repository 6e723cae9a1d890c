#include "platform/session_bus_probe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include "platform/start_program.h"
#include "support/background_process.h"
#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace {

using platform::BusProbe;

// A bus stand-in at a Unix socket: silent (it takes connections into its
// queue and never reads them), or answering the first words it gets with a
// line, as a bus does.
class FakeBus {
public:
  FakeBus(const std::string &name, bool abstract, bool answers) {
    fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un where{};
    where.sun_family = AF_UNIX;
    name.copy(where.sun_path + (abstract ? 1 : 0), sizeof where.sun_path - 2);
    // A path with its NUL; an abstract name after its leading NUL.
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    EXPECT_EQ(bind(fd_, reinterpret_cast<sockaddr *>(&where), length), 0) << name;
    EXPECT_EQ(listen(fd_, 4), 0);
    if (answers)
      answering_ = std::thread([fd = fd_] {
        int peer = accept(fd, nullptr, nullptr);
        char asked[128];
        if (peer >= 0 && read(peer, asked, sizeof asked) > 0)
          (void)!write(peer, "OK 0123456789abcdef\r\n", 21);
        if (peer >= 0)
          close(peer);
      });
  }
  ~FakeBus() {
    if (answering_.joinable())
      answering_.join();
    close(fd_);
  }

private:
  int fd_ = -1;
  std::thread answering_;
};

enum class Bus { None, Silent, Answering };

struct ProbeCase {
  const char *name;
  // The address, "@" standing for the test's folder; nullopt: not set.
  std::optional<std::string> address;
  Bus bus;            // what listens at <folder>/bus (or at the abstract name)
  bool abstract;      // the bus listens at an abstract name instead
  bool runtimeHasBus; // XDG_RUNTIME_DIR is the folder
  BusProbe expected;
};

class SessionBusProbeTest : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(SessionBusProbeTest, TellsABusThatTakesConnectionsButNeverAnswers) {
  const ProbeCase &c = GetParam();
  testsupport::TempDir folder;
  const std::string base = folder.Path().string();
  const std::string abstractName = "selwarth-probe-" + std::to_string(getpid());
  std::optional<FakeBus> bus;
  if (c.bus != Bus::None)
    bus.emplace(c.abstract ? abstractName : base + "/bus", c.abstract, c.bus == Bus::Answering);
  std::optional<std::string> address = c.address;
  for (const auto &[mark, value] :
       {std::pair{std::string("@"), base}, std::pair{std::string("#"), abstractName}})
    for (std::size_t at; address && (at = address->find(mark)) != std::string::npos;)
      address->replace(at, 1, value);
  testsupport::ScopedEnvironment named("DBUS_SESSION_BUS_ADDRESS", address);
  testsupport::ScopedEnvironment runtime("XDG_RUNTIME_DIR",
                                         c.runtimeHasBus ? std::optional(base) : std::nullopt);
  // A silent bus is silent however long it is waited for.
  EXPECT_EQ(platform::ProbeSessionBus(c.expected == BusProbe::Answers ? 20000 : 200), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, SessionBusProbeTest,
    ::testing::Values(
        ProbeCase{"Silent", "unix:path=@/bus", Bus::Silent, false, false, BusProbe::Silent},
        ProbeCase{"Answering", "unix:path=@/bus,guid=1234", Bus::Answering, false, false,
                  BusProbe::Answers},
        ProbeCase{"SilentAbstract", "unix:abstract=#", Bus::Silent, true, false, BusProbe::Silent},
        ProbeCase{"AnsweringAbstract", "unix:abstract=#", Bus::Answering, true, false,
                  BusProbe::Answers},
        // The first address that takes a connection is the bus.
        ProbeCase{"FirstThatConnects", "unix:path=@/gone;unix:path=@/bus", Bus::Silent, false,
                  false, BusProbe::Silent},
        ProbeCase{"Escaped", "unix:path=@%2fbus", Bus::Silent, false, false, BusProbe::Silent},
        ProbeCase{"NothingThere", "unix:path=@/bus", Bus::None, false, false, BusProbe::Unknown},
        ProbeCase{"OtherKind", "tcp:host=localhost,port=1", Bus::None, false, false,
                  BusProbe::Unknown},
        // Unset: where the bus library looks then.
        ProbeCase{"RuntimeFolder", std::nullopt, Bus::Silent, false, true, BusProbe::Silent},
        ProbeCase{"Unnamed", std::nullopt, Bus::None, false, false, BusProbe::Unknown}),
    [](const ::testing::TestParamInfo<ProbeCase> &info) { return std::string(info.param.name); });

TEST(SessionBusProbeTest, ARealBusAnswers) {
  const std::string daemon = platform::FindProgram("dbus-daemon");
  if (daemon.empty())
    GTEST_SKIP() << "dbus-daemon is not installed (scripts/install-deps.sh installs it)";
  testsupport::TempDir folder;
  const std::string path = folder.File("bus");
  testsupport::BackgroundProcess bus(
      daemon, {"--session", "--nofork", "--nopidfile", "--address=unix:path=" + path});
  ASSERT_TRUE(testsupport::WaitUntil([&] { return std::filesystem::exists(path); }))
      << bus.Output();
  testsupport::ScopedEnvironment named("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + path);
  EXPECT_EQ(platform::ProbeSessionBus(20000), BusProbe::Answers);
}

} // namespace
