#pragma once

// Sets (or with nullopt unsets) an environment variable for the object's
// lifetime and puts back what was there before, set or unset.

#include <cstdlib>
#include <optional>
#include <string>

namespace testsupport {

class ScopedEnvironment {
public:
  ScopedEnvironment(const char *name, std::optional<std::string> value) : name_(name) {
    if (const char *old = std::getenv(name))
      old_ = old;
    Set(value);
  }
  ~ScopedEnvironment() { Set(old_); }
  ScopedEnvironment(const ScopedEnvironment &) = delete;
  ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

private:
  void Set(const std::optional<std::string> &value) {
    if (value)
      ::setenv(name_, value->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  const char *name_;
  std::optional<std::string> old_;
};

} // namespace testsupport
