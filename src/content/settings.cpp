#include "content/settings.h"

#include "content/settings_table.h"

namespace {

struct DefaultSetter {
  const Setting &row;
  Settings &settings;
  void operator()(std::int16_t Settings::*number) const {
    settings.*number = static_cast<std::int16_t>(row.Default);
  }
  void operator()(std::string Settings::*text) const { settings.*text = row.DefaultText; }
  void operator()(QuoteMethod Settings::*method) const {
    settings.*method = static_cast<QuoteMethod>(row.Default);
  }
};

} // namespace

Settings::Settings() {
  ResetSettingsToDefaults(*this);
}

void ResetSettingsToDefaults(Settings &settings) {
  for (const Setting &row : SettingsTable())
    std::visit(DefaultSetter{row, settings}, row.Mirror);
}
