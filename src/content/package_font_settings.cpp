#include "content/package_font_settings.h"

#include "content/settings.h"
#include "content/settings_file.h"
#include "platform/file_search.h"

namespace {

constexpr const char *SystemFontName = "System";
constexpr int SystemFontSize = 10;

std::string FontNameKey(std::string_view fileName) {
  return platform::LowerCaseName(fileName) + "_fontname";
}

std::string FontSizeKey(std::string_view fileName) {
  return platform::LowerCaseName(fileName) + "_fontsize";
}

} // namespace

// The default font stands in for both keys of a package without a face name
// of its own.
bool DefaultFontApplies(const Settings &settings, std::string_view fileName) {
  return !settings.DefaultFontName.empty() && !PackageHasOwnFont(fileName);
}

std::string PackageFontName(const Settings &settings, std::string_view fileName) {
  if (DefaultFontApplies(settings, fileName))
    return settings.DefaultFontName;
  return ReadSettingText(FontNameKey(fileName), SystemFontName, PackageFontNameBuffer);
}

int PackageFontSize(const Settings &settings, std::string_view fileName) {
  if (DefaultFontApplies(settings, fileName))
    return settings.DefaultFontSize;
  return ReadSettingInt(FontSizeKey(fileName), SystemFontSize);
}

std::string FontNameAsRead(std::string_view faceName) {
  return std::string(faceName.substr(0, PackageFontNameBuffer - 1));
}

bool PackageHasOwnFont(std::string_view fileName) {
  return !ReadSettingText(FontNameKey(fileName), "", PackageFontNameBuffer).empty();
}

std::vector<platform::ProfileSetting> PackageFontValues(std::string_view fileName,
                                                        std::string_view faceName, int size) {
  return {{FontNameKey(fileName), std::string(faceName)},
          {FontSizeKey(fileName), std::to_string(size)}};
}

platform::Result<void> StorePackageFont(std::string_view fileName, std::string_view faceName,
                                        int size) {
  return WriteSettings(PackageFontValues(fileName, faceName, size));
}
