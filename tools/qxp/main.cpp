// qxp: builds, dumps and checks Selwarth packages.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "marquee_command.h"
#include "passages_command.h"
#include "qxp/commands.h"
#include "qxp/stdio_stream.h"
#include "today_command.h"

int main(int argc, char **argv) {
  std::vector<std::string> arguments(argv + 1, argv + argc);
  // The commands of log-in scripts and screen savers print through stdio
  // alone, and start without setting up any C++ stream.
  if (!arguments.empty() && (arguments[0] == "today" || arguments[0] == "marquee")) {
    std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    return arguments[0] == "today" ? qxp::RunTodayCommand(rest, stdout, stderr)
                                   : qxp::RunMarqueeCommand(rest, stdout, stderr);
  }
  if (!arguments.empty() && arguments[0] == "passages")
    return qxp::RunPassagesCommand({arguments.begin() + 1, arguments.end()}, stdout, stderr);
  qxp::StdioBuffer outBuffer(stdout);
  qxp::StdioBuffer errBuffer(stderr);
  std::ostream out(&outBuffer);
  std::ostream err(&errBuffer);
  const int status = qxp::RunCommandLine(arguments, out, err);
  // Output lost to a full disk or a closed pipe must not pass for printed.
  if (!out.flush() && status == qxp::ExitOk) {
    std::fprintf(stderr, "qxp: cannot write the output: %s\n", std::strerror(errno));
    return qxp::ExitFault;
  }
  return status;
}
