#include "content/settings_store.h"

#include "content/settings.h"
#include "content/settings_file.h"

namespace {

struct TextOf {
  const Settings &settings;
  std::string operator()(std::int16_t Settings::*number) const {
    return std::to_string(settings.*number);
  }
  std::string operator()(std::string Settings::*text) const { return settings.*text; }
  std::string operator()(QuoteMethod Settings::*method) const {
    return std::string(QuoteMethodName(settings.*method));
  }
};

} // namespace

std::string StoredText(const Settings &settings, const SettingMirror &mirror) {
  return std::visit(TextOf{settings}, mirror);
}

platform::ProfileSetting StoredSetting(const Settings &settings, const SettingMirror &mirror) {
  const Setting *row = FindSetting(mirror);
  if (row == nullptr)
    return {};
  return {row->Key, StoredText(settings, mirror)};
}

platform::Result<void> StoreSettings(const Settings &settings,
                                     const std::vector<SettingMirror> &mirrors) {
  std::vector<platform::ProfileSetting> values;
  for (const SettingMirror &mirror : mirrors)
    values.push_back(StoredSetting(settings, mirror));
  return WriteSettings(values);
}
