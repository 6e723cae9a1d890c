#include "app/readable_fonts.h"

#include <string>
#include <vector>

#include "content/package_font_settings.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "framework/backend.h"
#include "framework/message_box.h"
#include "platform/file_search.h"
#include "platform/profile.h"

void GiveReadableFonts() {
  const TFontDesc font = CurrentBackend().ReadableFont();
  if (font.FaceName == TFontDesc{}.FaceName || font.FaceName.size() >= PackageFontNameBuffer)
    return; // nothing better than the default is known
  std::vector<platform::ProfileSetting> keys;
  for (const std::string &file : platform::FindFiles("*.QXP")) {
    if (PackageHasOwnFont(file))
      continue;
    for (platform::ProfileSetting &key : PackageFontValues(file, font.FaceName, font.Height))
      keys.push_back(std::move(key));
  }
  // One write for all, so that a start killed now leaves all or none.
  std::string error;
  if (!keys.empty() && !WriteSettings(keys, error))
    MessageBox(nullptr,
               "The readable fonts for the packages could not be saved.\n" + error +
                   "\nThe packages are shown in the default font.",
               "Unable to Comply", MB_ICONEXCLAMATION);
}
