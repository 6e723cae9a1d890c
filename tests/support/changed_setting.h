#pragma once

// Gives a setting a value no default is, and that its row's rule keeps.

#include <variant>

#include "content/settings.h"
#include "content/settings_table.h"

namespace testsupport {

inline void ChangeSetting(const Setting &row) {
  struct Change {
    const Setting &row;
    void operator()(std::int16_t *number) const {
      *number = static_cast<std::int16_t>(row.Default + 31);
    }
    void operator()(std::string *text) const { *text = "x"; }
    void operator()(QuoteMethod *method) const { *method = QuoteMethod::Random; }
  };
  std::visit(Change{row}, row.Mirror);
}

} // namespace testsupport
