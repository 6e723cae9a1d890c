#include "content/settings.h"

std::int16_t EveryStartup = 1;
std::int16_t HideMenu = 0;
std::int16_t JustifyText = 1;
std::int16_t SaveFile = 0;
std::int16_t UpdateDaily = 1;
std::int16_t Topmost = 0;
std::int16_t BlankLines = 0;
std::int16_t ScreenSaver = 0;
std::string ConcordanceServer;
std::string ConcordanceTranslation;
std::string SaverPackage;
std::int16_t PlanOffset = 0;
std::int32_t QuoteMethodCode = MethodDate;
std::int16_t Zoom = NormalZoom;

void ResetSettingsToDefaults() {
  EveryStartup = 1;
  HideMenu = 0;
  JustifyText = 1;
  SaveFile = 0;
  UpdateDaily = 1;
  Topmost = 0;
  BlankLines = 0;
  ScreenSaver = 0;
  ConcordanceServer.clear();
  ConcordanceTranslation.clear();
  SaverPackage.clear();
  PlanOffset = 0;
  QuoteMethodCode = MethodDate;
  Zoom = NormalZoom;
}

const char *QuoteMethodName(std::int32_t code) {
  switch (code) {
  case MethodRandom:
    return "Random";
  case MethodIncrement:
    return "Increment";
  default:
    return "Date";
  }
}
