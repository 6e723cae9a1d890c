#pragma once

// Gives a setting a value no default is, and that its row's rule keeps.

#include <variant>

#include "content/settings.h"
#include "content/settings_table.h"

namespace testsupport {

inline void ChangeSetting(Settings &settings, const Setting &row) {
  struct Change {
    const Setting &row;
    Settings &settings;
    void operator()(std::int16_t Settings::*number) const {
      settings.*number = static_cast<std::int16_t>(row.Default + 31);
    }
    void operator()(std::string Settings::*text) const { settings.*text = "x"; }
    void operator()(QuoteMethod Settings::*method) const { settings.*method = QuoteMethod::Random; }
  };
  std::visit(Change{row, settings}, row.Mirror);
}

} // namespace testsupport
