#include "content/package_font_settings.h"

#include "content/settings_file.h"
#include "platform/file_search.h"

namespace {

constexpr const char *DefaultFontName = "System";
constexpr int DefaultFontSize = 10;

std::string FontNameKey(std::string_view fileName) {
  return platform::LowerCaseName(fileName) + "_fontname";
}

std::string FontSizeKey(std::string_view fileName) {
  return platform::LowerCaseName(fileName) + "_fontsize";
}

} // namespace

std::string PackageFontName(std::string_view fileName) {
  return ReadSettingText(FontNameKey(fileName), DefaultFontName, PackageFontNameBuffer);
}

int PackageFontSize(std::string_view fileName) {
  return ReadSettingInt(FontSizeKey(fileName), DefaultFontSize);
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

bool StorePackageFont(std::string_view fileName, std::string_view faceName, int size,
                      std::string &error) {
  return WriteSettings(PackageFontValues(fileName, faceName, size), error);
}
