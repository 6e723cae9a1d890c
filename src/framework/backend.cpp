#include "framework/backend.h"

#include <cstdio>
#include <cstdlib>

namespace {
Backend *Current = nullptr;
}

void SetBackend(Backend *backend) {
  Current = backend;
}

bool HasBackend() {
  return Current != nullptr;
}

Backend &CurrentBackend() {
  if (Current == nullptr) {
    // A program error, not a user's: every entry point sets a backend first.
    std::fputs("selwarth: no window backend was set\n", stderr);
    std::abort();
  }
  return *Current;
}
