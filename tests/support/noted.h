#pragma once

// Tests that check a call's reason as well as its success: Noted(call, error)
// reads as the call with a last `error` parameter did.

#include <string>

#include "platform/result.h"

namespace testsupport {

// Whether result holds a value; when not, error takes the reason.
template <class T> bool Noted(const platform::Result<T> &result, std::string &error) {
  if (!result)
    error = result.error();
  return result.has_value();
}

} // namespace testsupport
