#include "scripture/sword_loader.h"

#include <dlfcn.h>
#include <filesystem>
#include <string>

#include "scripture/sword_modules.h"

namespace {

struct Loaded {
  OpenSwordBibleFunction *open = nullptr;
  std::string problem;
};

// The module is loaded once and stays, as libsword keeps state of its own
// (its locales, its versifications) for the rest of the process.
const Loaded &SwordModule() {
  static const Loaded loaded = [] {
    Loaded result;
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string file = (self.parent_path() / SwordModuleFile).string();
    void *handle = error ? nullptr : dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
      const char *why = dlerror();
      result.problem =
          "libsword could not be loaded: " + std::string(why != nullptr ? why : error.message());
      return result;
    }
    result.open = reinterpret_cast<OpenSwordBibleFunction *>(dlsym(handle, OpenSwordBibleSymbol));
    if (result.open == nullptr)
      result.problem = "libsword could not be loaded: " + file + " has no " + OpenSwordBibleSymbol;
    return result;
  }();
  return loaded;
}

} // namespace

bool SwordAvailable() {
  return SwordModule().open != nullptr;
}

platform::Result<std::unique_ptr<TSwordBible>> OpenSwordBible(const TSwordModule &module) {
  const Loaded &loaded = SwordModule();
  if (loaded.open == nullptr)
    return platform::Failure(loaded.problem);
  std::unique_ptr<TSwordBible> bible(loaded.open(module));
  if (!bible)
    return platform::Failure("libsword cannot read the module " + module.name + ".");
  return bible;
}
