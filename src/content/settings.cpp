#include "content/settings.h"

#include "content/settings_table.h"

namespace {

struct DefaultSetter {
  const Setting &row;
  void operator()(std::int16_t *number) const { *number = static_cast<std::int16_t>(row.Default); }
  void operator()(std::string *text) const { *text = row.DefaultText; }
  void operator()(QuoteMethod *method) const { *method = static_cast<QuoteMethod>(row.Default); }
};

} // namespace

void ResetSettingsToDefaults() {
  for (const Setting &row : SettingsTable())
    std::visit(DefaultSetter{row}, row.Mirror);
}
