#include "verse_text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform/start_program.h"

namespace concordance {
namespace {

constexpr auto RunLimit = std::chrono::seconds(3);

// Runs a program and returns its standard output; empty when it fails or
// takes too long (it is then killed).
std::string Capture(const std::string &program, std::vector<std::string> arguments) {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0)
    return {};
  std::vector<char *> argv;
  arguments.insert(arguments.begin(), program);
  for (std::string &argument : arguments)
    argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = fork();
  if (pid == 0) {
    int nullFd = open("/dev/null", O_RDWR | O_CLOEXEC);
    dup2(nullFd, 0);
    dup2(nullFd, 2);
    dup2(out[1], 1);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(out[1]);
  std::string text;
  auto deadline = std::chrono::steady_clock::now() + RunLimit;
  bool finished = pid > 0;
  while (finished) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd watch{out[0], POLLIN, 0};
    if (left.count() <= 0 ||
        (poll(&watch, 1, static_cast<int>(left.count())) <= 0 && errno != EINTR)) {
      finished = false;
      break;
    }
    char buffer[4096];
    ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n == 0)
      break;
    if (n > 0 && text.size() < 64 * 1024)
      text.append(buffer, static_cast<std::size_t>(n));
  }
  close(out[0]);
  if (pid > 0) {
    if (!finished)
      kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
      finished = false;
  }
  return finished ? text : std::string();
}

bool Contains(std::string_view text, std::string_view part) {
  auto lower = [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  };
  return std::search(text.begin(), text.end(), part.begin(), part.end(),
                     [&](char a, char b) { return lower(a) == lower(b); }) != text.end();
}

// The first Bible text module whose name contains the abbreviation. The
// module list has a heading line per kind ("Biblical Texts:") followed by
// "name : description" lines.
std::string FindModule(const std::string &diatheke, const std::string &translation) {
  std::string list = Capture(diatheke, {"-b", "system", "-k", "modulelist"});
  bool inTexts = false;
  std::size_t start = 0;
  while (start < list.size()) {
    std::size_t end = std::min(list.find('\n', start), list.size());
    std::string line = list.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == ':') {
      inTexts = line == "Biblical Texts:";
      continue;
    }
    std::size_t colon = line.find(" : ");
    if (inTexts && colon != std::string::npos && Contains(line.substr(0, colon), translation))
      return line.substr(0, colon);
  }
  return {};
}

} // namespace

std::string VerseText(const std::string &translation, const std::string &reference) {
  std::string diatheke = platform::FindProgram("diatheke");
  if (diatheke.empty() || translation.empty())
    return {};
  std::string module = FindModule(diatheke, translation);
  if (module.empty())
    return {};
  std::string text = Capture(diatheke, {"-b", module, "-f", "plain", "-m", "30", "-k", reference});
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
    text.pop_back();
  return text;
}

} // namespace concordance
