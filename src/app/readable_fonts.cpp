#include "app/readable_fonts.h"

#include <string>
#include <vector>

#include "content/settings.h"
#include "content/settings_file.h"
#include "framework/backend.h"
#include "platform/file_search.h"
#include "platform/profile.h"

void GiveReadableFonts() {
  const TFontDesc font = CurrentBackend().ReadableFont();
  if (font.FaceName == TFontDesc{}.FaceName || font.FaceName.size() >= PackageFontNameBuffer)
    return; // nothing better than the default is known
  std::vector<platform::ProfileSetting> keys;
  for (const std::string &file : platform::FindFiles("*.QXP")) {
    const std::string name = platform::LowerCaseName(file);
    if (!ReadSettingText(name + "_fontname", "", PackageFontNameBuffer).empty())
      continue;
    keys.push_back({name + "_fontname", font.FaceName});
    keys.push_back({name + "_fontsize", std::to_string(font.Height)});
  }
  // One write for all, so that a start killed now leaves all or none.
  if (!keys.empty())
    WriteSettings(keys);
}
