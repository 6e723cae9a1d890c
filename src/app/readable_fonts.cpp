#include "app/readable_fonts.h"

#include <string>
#include <vector>

#include "app/window_placement.h"
#include "content/settings.h"
#include "content/settings_file.h"
#include "content/settings_store.h"
#include "framework/backend.h"
#include "framework/message_box.h"
#include "framework/translation.h"
#include "platform/profile.h"

void SetUpFirstStart(Settings &settings) {
  const TFontDesc font = CurrentBackend().ReadableFont();
  // Nothing better than the plain default may be known.
  const bool giveFont = settings.DefaultFontName.empty() && font.FaceName != TFontDesc{}.FaceName &&
                        font.FaceName.size() < FontNameBuffer;
  const std::string oldName = settings.DefaultFontName;
  const std::int16_t oldSize = settings.DefaultFontSize;
  std::vector<platform::ProfileSetting> keys;
  if (giveFont) {
    settings.DefaultFontName = font.FaceName;
    settings.DefaultFontSize = static_cast<std::int16_t>(font.Height);
    keys = {StoredSetting(settings, &Settings::DefaultFontName),
            StoredSetting(settings, &Settings::DefaultFontSize)};
  }
  const TSize screen = CurrentBackend().ScreenSize();
  for (platform::ProfileSetting &key : FirstWindowPlacementValues(screen.cx, screen.cy))
    keys.push_back(std::move(key));
  // One write for all, so that a start killed now leaves all or none.
  if (keys.empty())
    return;
  if (const platform::Result<void> written = WriteSettings(keys); !written) {
    settings.DefaultFontName = oldName;
    settings.DefaultFontSize = oldSize;
    MessageBox(nullptr,
               FormatText(TranslatedText("Messages", "The readable fonts for the packages could "
                                                     "not be saved.\n%1\nThe packages are shown "
                                                     "in the default font."),
                          {written.error()}),
               TR_NOOP("Messages", "Unable to Comply"), MB_ICONEXCLAMATION);
  }
}
