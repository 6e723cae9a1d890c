#include "framework/module.h"

TModule &Module() {
  static TModule module;
  return module;
}
