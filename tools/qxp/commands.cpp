#include "qxp/commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <ostream>

#include "platform/file_search.h"
#include "platform/regular_file.h"
#include "qxp/diagnostics.h"
#include "qxp/package_checker.h"
#include "qxp/package_image.h"
#include "qxp/package_writer.h"
#include "qxp/picture_check.h"
#include "qxp/source_compiler.h"
#include "qxp/source_dumper.h"
#include "qxp/today_command.h"

namespace qxp {

namespace {

platform::Result<std::string> ReadSource(const std::string &path) {
  return platform::ReadRegularFile(path, LargestSource, "a package source");
}

// The checked package at path, or nothing after saying why on err.
std::optional<CheckReport> LoadAndCheck(const std::string &path, std::ostream &err) {
  std::string error;
  auto image = PackageImage::Load(path, error);
  if (!image) {
    err << "qxp: " << error << '\n';
    return std::nullopt;
  }
  return CheckPackage(*image);
}

int UsageError(const std::string &message, std::ostream &err) {
  err << "qxp: " << message << "\n\n";
  PrintUsage(err);
  return ExitUsage;
}

constexpr const char *BuildUsage = "build takes one SOURCE and one -o FILE.QXP (and --force to "
                                   "replace an existing FILE.QXP)";

int Build(const std::vector<std::string> &arguments, std::ostream &err) {
  std::string source;
  std::string output;
  bool replace = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == "--force" && !replace) {
      replace = true;
    } else if (arguments[i] == "-o" && i + 1 < arguments.size() && output.empty()) {
      output = arguments[++i];
    } else if (arguments[i] != "-o" && source.empty()) {
      source = arguments[i];
    } else {
      return UsageError(BuildUsage, err);
    }
  }
  if (source.empty() || output.empty())
    return UsageError(BuildUsage, err);
  return RunBuild(source, output, replace, err);
}

} // namespace

int RunBuild(const std::string &sourcePath, const std::string &outputPath, bool replace,
             std::ostream &err) {
  std::string error;
  auto text = ReadSource(sourcePath);
  if (!text) {
    err << "qxp: " << text.error() << '\n';
    return ExitFault;
  }
  Diagnostics diagnostics(sourcePath);
  auto content = BuildContent(*text, diagnostics);
  if (!content) {
    for (const std::string &message : diagnostics.Messages())
      err << message << '\n';
    err << "qxp: " << outputPath << " not written\n";
    return ExitFault;
  }
  auto bytes = SerializePackage(*content, error);
  if (!bytes || !WriteFileAtomically(outputPath, *bytes, replace, error)) {
    err << "qxp: " << error << '\n';
    return ExitFault;
  }
  return ExitOk;
}

int RunDump(const std::string &packagePath, std::ostream &out, std::ostream &err) {
  auto report = LoadAndCheck(packagePath, err);
  if (!report)
    return ExitFault;
  if (!report->Sound()) {
    for (const std::string &fault : report->faults)
      err << packagePath << ": " << fault << '\n';
    err << "qxp: " << packagePath << " is damaged; nothing dumped\n";
    return ExitFault;
  }
  out << DumpSource(*report->content);
  out.flush();
  if (!out) {
    err << "qxp: cannot write the source to the output: " << std::strerror(errno) << '\n';
    return ExitFault;
  }
  return ExitOk;
}

int RunCheck(const std::string &packagePath, bool strict, std::ostream &out, std::ostream &err) {
  if (platform::HasExtension(packagePath, ".QXR")) // a reference picture
    return CheckPicture(packagePath, out);
  auto report = LoadAndCheck(packagePath, err);
  if (!report)
    return ExitFault;
  for (const std::string &fault : report->faults)
    out << packagePath << ": " << fault << '\n';
  for (const std::string &warning : report->warnings)
    out << packagePath << ": warning: " << warning << '\n';
  if (!report->Sound()) {
    out << packagePath << ": damaged, " << report->faults.size()
        << (report->faults.size() == 1 ? " fault\n" : " faults\n");
    return ExitFault;
  }
  out << packagePath << ": sound, " << report->entries
      << (report->entries == 1 ? " entry" : " entries");
  if (!report->warnings.empty())
    out << ", " << report->warnings.size()
        << (report->warnings.size() == 1 ? " warning" : " warnings");
  out << '\n';
  return strict && !report->warnings.empty() ? ExitFault : ExitOk;
}

void PrintUsage(std::ostream &out) {
  out << "Usage: qxp COMMAND ...\n"
         "\n"
         "  qxp build [--force] SOURCE -o FILE.QXP\n"
         "                                 compile a package from its text source; an\n"
         "                                 existing FILE.QXP is replaced only with --force\n"
         "  qxp dump FILE.QXP              print the source of a package\n"
         "  qxp check [--strict] FILE.QXP  check a package and name every fault; what\n"
         "                                 the program reads but shows otherwise than\n"
         "                                 meant is a warning (a fault with --strict)\n"
         "  qxp check PICTURE.QXR          say whether the References dialog can show a\n"
         "                                 picture, and if not why\n"
      << "  qxp today [--method " << TodayMethodWords("|", "|")
      << "] [--offset N] [--utf8]\n"
         "            [--width N] [--no-answers] [--dir DIR]\n"
         "                                 print the day's text of the packages here,\n"
         "                                 in DIR, or else in the launcher's data\n"
         "                                 folder (~/.local/share/selwarth), as\n"
         "                                 SELWARTH.TXT holds it; --utf8 for a\n"
         "                                 terminal, --width to wrap the lines,\n"
         "                                 --no-answers to leave quiz answers out\n"
         "  qxp marquee [--utf8]           print the screen saver text stored for the\n"
         "                                 day (CONTROL.INI, section Screen Saver.Marquee)\n"
         "  qxp passages [--bible NAME] [--utf8] [--width N]\n"
         "                                 print the day's passages in a Bible of the\n"
         "                                 SWORD library (the one chosen in Settings >\n"
         "                                 Bible, or NAME)\n"
         "  qxp --help                     show this text\n"
         "  qxp --version                  show the version\n"
         "\n"
         "The source format is described in " QXP_DOC_DIR "/package-source.md.\n"
         "Exit status: 0 done, 1 a fault or an error, 2 wrong usage.\n";
}

int RunCommandLine(const std::vector<std::string> &arguments, std::ostream &out,
                   std::ostream &err) {
  if (arguments.empty()) {
    PrintUsage(err);
    return ExitUsage;
  }
  const std::string &command = arguments.front();
  if (command == "--help" || command == "-h" || command == "help") {
    PrintUsage(out);
    return ExitOk;
  }
  if (command == "--version") {
    out << "qxp " << QXP_VERSION << '\n';
    return ExitOk;
  }
  if (command == "build")
    return Build(arguments, err);
  if (command == "check") {
    bool strict = arguments.size() == 3 && arguments[1] == "--strict";
    if (arguments.size() != 2 && !strict)
      return UsageError("check takes one FILE.QXP, after --strict if wanted", err);
    return RunCheck(arguments.back(), strict, out, err);
  }
  if (command == "dump") {
    if (arguments.size() != 2)
      return UsageError("dump takes one FILE.QXP", err);
    return RunDump(arguments[1], out, err);
  }
  return UsageError("unknown command '" + command + "'", err);
}

} // namespace qxp
