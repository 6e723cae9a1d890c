#include "content/settings_store.h"

#include "content/settings.h"
#include "content/settings_file.h"

namespace {

struct TextOf {
  std::string operator()(const std::int16_t *number) const { return std::to_string(*number); }
  std::string operator()(const std::string *text) const { return *text; }
  std::string operator()(const QuoteMethod *method) const {
    return std::string(QuoteMethodName(*method));
  }
};

} // namespace

std::string StoredText(const SettingMirror &mirror) {
  return std::visit(TextOf{}, mirror);
}

platform::ProfileSetting StoredSetting(const SettingMirror &mirror) {
  const Setting *row = FindSetting(mirror);
  if (row == nullptr)
    return {};
  return {row->Key, StoredText(mirror)};
}

platform::Result<void> StoreSettings(const std::vector<SettingMirror> &mirrors) {
  std::vector<platform::ProfileSetting> values;
  for (const SettingMirror &mirror : mirrors)
    values.push_back(StoredSetting(mirror));
  return WriteSettings(values);
}
