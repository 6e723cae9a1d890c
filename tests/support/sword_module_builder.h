#pragma once

// Real SWORD modules made for a test in a library root of its own: a Bible
// with imp2vs, a dictionary of days with imp2ld (libsword-utils), from
// text in the library's "imp" form ("$$$Gen 1:1" or "$$$01.31" lines, each
// followed by its entry), with a conf beside them in mods.d.

#include <filesystem>
#include <stdexcept>
#include <string>

#include "support/run_process.h"

namespace testsupport {

inline constexpr const char *Imp2vs = "/usr/bin/imp2vs";
inline constexpr const char *Imp2ld = "/usr/bin/imp2ld";

inline bool HaveSwordTools() {
  return std::filesystem::exists(Imp2vs) && std::filesystem::exists(Imp2ld);
}

struct BuiltModule {
  std::string name;
  std::filesystem::path dataPath; // the folder (Bible) or the files' common start (dictionary)
};

inline void WriteFile(const std::filesystem::path &path, const std::string &bytes) {
  std::filesystem::create_directories(path.parent_path());
  FILE *file = std::fopen(path.c_str(), "wb");
  if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
    throw std::runtime_error("cannot write " + path.string());
  std::fclose(file);
}

// A Bible: driver "zText" (compressed by book) or "RawText"; confExtra goes
// into its conf (SourceType=..., Lang=..., Versification=...).
inline BuiltModule BuildBible(const std::filesystem::path &root, const std::string &name,
                              const std::string &imp, const std::string &confExtra,
                              const std::string &driver = "zText",
                              const std::string &versification = "KJV") {
  const std::string relative = "modules/texts/" + name;
  const std::filesystem::path data = root / relative;
  std::filesystem::create_directories(data);
  WriteFile(root / (name + ".imp"), imp);
  std::vector<std::string> arguments = {(root / (name + ".imp")).string(), "-o", data.string(),
                                        "-v", versification};
  if (driver == "zText")
    arguments.insert(arguments.end(), {"-z", "z"});
  ProcessResult made = RunProcess(Imp2vs, arguments);
  if (made.exitStatus != 0)
    throw std::runtime_error("imp2vs failed: " + made.errors);
  std::filesystem::remove(root / (name + ".imp"));
  WriteFile(root / "mods.d" / (name + ".conf"),
            "[" + name + "]\nDataPath=./" + relative + "/\nModDrv=" + driver +
                "\nEncoding=UTF-8\nVersification=" + versification +
                (driver == "zText" ? "\nCompressType=ZIP\nBlockType=BOOK" : "") + "\n" + confExtra);
  return {name, data};
}

// A dictionary of days: driver "RawLD", "RawLD4" or "zLD", whose blocks are
// compressed with zlib ("ZIP") or "LZSS", as its conf says.
inline BuiltModule BuildDictionary(const std::filesystem::path &root, const std::string &name,
                                   const std::string &imp, const std::string &confExtra,
                                   const std::string &driver = "RawLD4",
                                   const std::string &compression = "ZIP") {
  const std::string relative = "modules/lexdict/" + name + "/" + name;
  const std::filesystem::path data = root / relative;
  std::filesystem::create_directories(data.parent_path());
  WriteFile(root / (name + ".imp"), imp);
  std::vector<std::string> arguments = {(root / (name + ".imp")).string(), "-o", data.string()};
  if (driver == "RawLD4")
    arguments.push_back("-4");
  if (driver == "zLD")
    arguments.insert(arguments.end(), {"-z", compression == "LZSS" ? "l" : "z"});
  ProcessResult made = RunProcess(Imp2ld, arguments);
  if (made.exitStatus != 0)
    throw std::runtime_error("imp2ld failed: " + made.errors);
  std::filesystem::remove(root / (name + ".imp"));
  WriteFile(root / "mods.d" / (name + ".conf"),
            "[" + name + "]\nDataPath=./" + relative + "\nModDrv=" + driver +
                (driver == "zLD" ? "\nCompressType=" + compression : "") + "\n" + confExtra);
  return {name, data};
}

} // namespace testsupport
