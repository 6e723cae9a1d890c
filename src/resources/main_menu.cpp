#include "resources/main_menu.h"

TMenu MainMenu() {
  // Each command's key is added from the accelerator table.
  TMenu menu({
      MenuPopup("&File", {MenuCommand("&New", CM_NEW), MenuCommand("E&xit", CM_EXIT)}),
      MenuPopup("&Settings",
                {MenuCommand("&Packages...", CM_PACKAGES), MenuCommand("Pro&gram...", CM_PROGRAM),
                 MenuCommand("&Start Date...", CM_STARTDATE), MenuCommand("&DDE...", CM_DDE),
                 MenuSeparator(), MenuCommand("Day &Backward", CM_DAYBACKWARD),
                 MenuCommand("Day &Forward", CM_DAYFORWARD),
                 MenuCommand("Day &Reset", CM_DAYRESET, true), MenuSeparator(),
                 MenuCommand("Catch &Up Reading Plan", CM_CATCHUP),
                 MenuCommand("Start &Over Reading Plan", CM_STARTOVER)}),
      MenuPopup("&Options",
                {MenuCommand("&References...", CM_REFERENCES),
                 MenuCommand("&Show Answers", CM_SHOWANSWERS),
                 MenuCommand("&Hide Menus", CM_HIDEMENUS),
                 MenuCommand("&Mark Reading as Read", CM_MARKREAD), MenuSeparator(),
                 MenuCommand("&Copy Text", CM_COPYTEXT), MenuSeparator(),
                 MenuCommand("Zoom &In", CM_ZOOMIN), MenuCommand("Zoom &Out", CM_ZOOMOUT),
                 MenuCommand("&Normal Size", CM_ZOOMRESET)}),
      MenuPopup("&Links", {MenuCommand("&Morning Bible Reading", CM_LINKMORNING),
                           MenuCommand("&Evening Bible Reading", CM_LINKEVENING),
                           MenuCommand("Bible &Quiz Reference", CM_LINKQUIZ),
                           MenuCommand("&Daily Verse", CM_LINKVERSE)}),
      MenuPopup("&Help", {MenuCommand("About &Packages...", CM_ABOUTPACKAGES),
                          MenuCommand("About &Selwarth...", CM_ABOUT)}),
      MenuCommand("   ", CM_DATE),
  });
  return WithShortcuts(std::move(menu), MainAccelerators());
}

TAcceleratorTable MainAccelerators() {
  using A = TAccelerator;
  // A command's first key is the one its menu item shows.
  return {
      {A::Character, CtrlCharacter('N'), false, CM_NEW},
      {A::VirtualKey, VK_F4, false, CM_NEW},
      {A::Character, CtrlCharacter('K'), false, CM_PACKAGES},
      {A::VirtualKey, VK_F7, false, CM_PACKAGES},
      {A::Character, CtrlCharacter('G'), false, CM_PROGRAM},
      {A::VirtualKey, VK_F8, false, CM_PROGRAM},
      {A::Character, CtrlCharacter('D'), false, CM_STARTDATE},
      {A::Character, CtrlCharacter('R'), false, CM_REFERENCES},
      {A::VirtualKey, VK_F9, false, CM_REFERENCES},
      {A::Character, CtrlCharacter('A'), false, CM_SHOWANSWERS},
      {A::Character, CtrlCharacter('C'), false, CM_COPYTEXT},
      {A::Character, CtrlCharacter('M'), false, CM_MARKREAD},
      {A::VirtualKey, VK_HOME, true, CM_DAYRESET},
      {A::VirtualKey, VK_LEFT, true, CM_DAYBACKWARD},
      {A::VirtualKey, VK_RIGHT, true, CM_DAYFORWARD},
      {A::VirtualKey, VK_OEM_PLUS, true, CM_ZOOMIN}, // also Ctrl+= and the keypad's +
      {A::VirtualKey, VK_OEM_MINUS, true, CM_ZOOMOUT},
      {A::VirtualKey, VK_0, true, CM_ZOOMRESET},
  };
}
