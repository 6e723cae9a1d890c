#include "resources/main_menu.h"

TMenu MainMenu() {
  return TMenu({
      MenuPopup("&File", {MenuCommand("&New\tCtrl+N", CM_NEW), MenuCommand("E&xit", CM_EXIT)}),
      MenuPopup("&Settings", {MenuCommand("&Packages...\tCtrl+K", CM_PACKAGES),
                              MenuCommand("Pro&gram...\tCtrl+G", CM_PROGRAM),
                              MenuCommand("&Start Date...\tCtrl+D", CM_STARTDATE),
                              MenuCommand("&DDE...", CM_DDE), MenuSeparator(),
                              MenuCommand("Day &Backward\tCtrl+Left", CM_DAYBACKWARD),
                              MenuCommand("Day &Forward\tCtrl+Right", CM_DAYFORWARD),
                              MenuCommand("Day &Reset\tCtrl+Home", CM_DAYRESET, true)}),
      MenuPopup("&Options", {MenuCommand("&References...\tCtrl+R", CM_REFERENCES),
                             MenuCommand("&Show Answers\tCtrl+A", CM_SHOWANSWERS),
                             MenuCommand("&Hide Menus", CM_HIDEMENUS), MenuSeparator(),
                             MenuCommand("&Copy Text\tCtrl+C", CM_COPYTEXT), MenuSeparator(),
                             MenuCommand("Zoom &In\tCtrl++", CM_ZOOMIN),
                             MenuCommand("Zoom &Out\tCtrl+-", CM_ZOOMOUT),
                             MenuCommand("&Normal Size\tCtrl+0", CM_ZOOMRESET)}),
      MenuPopup("&Links", {MenuCommand("&Morning Bible Reading", CM_LINKMORNING),
                           MenuCommand("&Evening Bible Reading", CM_LINKEVENING),
                           MenuCommand("Bible &Quiz Reference", CM_LINKQUIZ),
                           MenuCommand("&Daily Verse", CM_LINKVERSE)}),
      MenuPopup("&Help", {MenuCommand("About &Packages...", CM_ABOUTPACKAGES),
                          MenuCommand("About &Selwarth...", CM_ABOUT)}),
      MenuCommand("   ", CM_DATE),
  });
}

TAcceleratorTable MainAccelerators() {
  using A = TAccelerator;
  return {
      {A::Character, 14, false, CM_NEW},          // Ctrl+N
      {A::VirtualKey, VK_F4, false, CM_NEW},      //
      {A::Character, 11, false, CM_PACKAGES},     // Ctrl+K
      {A::VirtualKey, VK_F7, false, CM_PACKAGES}, //
      {A::Character, 7, false, CM_PROGRAM},       // Ctrl+G
      {A::VirtualKey, VK_F8, false, CM_PROGRAM},  //
      {A::Character, 4, false, CM_STARTDATE},     // Ctrl+D
      {A::Character, 18, false, CM_REFERENCES},   // Ctrl+R
      {A::VirtualKey, VK_F9, false, CM_REFERENCES},
      {A::Character, 1, false, CM_SHOWANSWERS},        // Ctrl+A
      {A::Character, 3, false, CM_COPYTEXT},           // Ctrl+C
      {A::VirtualKey, VK_HOME, true, CM_DAYRESET},     // Ctrl+Home
      {A::VirtualKey, VK_LEFT, true, CM_DAYBACKWARD},  // Ctrl+Left
      {A::VirtualKey, VK_RIGHT, true, CM_DAYFORWARD},  // Ctrl+Right
      {A::VirtualKey, VK_OEM_PLUS, true, CM_ZOOMIN},   // Ctrl+Plus (or Ctrl+=)
      {A::VirtualKey, VK_OEM_MINUS, true, CM_ZOOMOUT}, // Ctrl+Minus
      {A::VirtualKey, VK_0, true, CM_ZOOMRESET},       // Ctrl+0
  };
}
