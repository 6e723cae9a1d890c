#include "resources/main_menu.h"

#include "platform/translatable.h"

TMenu MainMenu() {
  // Each command's key is added from the accelerator table.
  TMenu menu({
      MenuPopup(TR_NOOP("MainMenu", "&File"), {MenuCommand(TR_NOOP("MainMenu", "&New"), CM_NEW),
                                               MenuCommand(TR_NOOP("MainMenu", "E&xit"), CM_EXIT)}),
      MenuPopup(TR_NOOP("MainMenu", "&Settings"),
                {MenuCommand(TR_NOOP("MainMenu", "&Packages..."), CM_PACKAGES),
                 MenuCommand(TR_NOOP("MainMenu", "Pro&gram..."), CM_PROGRAM),
                 MenuCommand(TR_NOOP("MainMenu", "&Start Date..."), CM_STARTDATE),
                 MenuCommand(TR_NOOP("MainMenu", "&DDE..."), CM_DDE),
                 MenuCommand(TR_NOOP("MainMenu", "B&ible..."), CM_BIBLE),
                 MenuCommand(TR_NOOP("MainMenu", "Re&minder..."), CM_REMINDER), MenuSeparator(),
                 MenuCommand(TR_NOOP("MainMenu", "Day &Backward"), CM_DAYBACKWARD),
                 MenuCommand(TR_NOOP("MainMenu", "Day &Forward"), CM_DAYFORWARD),
                 MenuCommand(TR_NOOP("MainMenu", "Day &Reset"), CM_DAYRESET, true), MenuSeparator(),
                 MenuCommand(TR_NOOP("MainMenu", "Catch &Up Reading Plan"), CM_CATCHUP),
                 MenuCommand(TR_NOOP("MainMenu", "Start &Over Reading Plan"), CM_STARTOVER)}),
      MenuPopup(TR_NOOP("MainMenu", "&Options"),
                {MenuCommand(TR_NOOP("MainMenu", "&References..."), CM_REFERENCES),
                 MenuCommand(TR_NOOP("MainMenu", "&Show Answers"), CM_SHOWANSWERS),
                 MenuCommand(TR_NOOP("MainMenu", "&Hide Menus"), CM_HIDEMENUS),
                 MenuCommand(TR_NOOP("MainMenu", "&Mark Reading as Read"), CM_MARKREAD),
                 MenuCommand(TR_NOOP("MainMenu", "Mark &Earlier Days as Read"), CM_MARKEARLIER),
                 MenuCommand(TR_NOOP("MainMenu", "C&alendar..."), CM_CALENDAR), MenuSeparator(),
                 MenuCommand(TR_NOOP("MainMenu", "&Copy Text"), CM_COPYTEXT), MenuSeparator(),
                 MenuCommand(TR_NOOP("MainMenu", "Zoom &In"), CM_ZOOMIN),
                 MenuCommand(TR_NOOP("MainMenu", "Zoom &Out"), CM_ZOOMOUT),
                 MenuCommand(TR_NOOP("MainMenu", "&Normal Size"), CM_ZOOMRESET)}),
      MenuPopup(TR_NOOP("MainMenu", "&Links"),
                {MenuCommand(TR_NOOP("MainMenu", "&Morning Bible Reading"), CM_LINKMORNING),
                 MenuCommand(TR_NOOP("MainMenu", "&Evening Bible Reading"), CM_LINKEVENING),
                 MenuCommand(TR_NOOP("MainMenu", "Bible &Quiz Reference"), CM_LINKQUIZ),
                 MenuCommand(TR_NOOP("MainMenu", "&Daily Verse"), CM_LINKVERSE), MenuSeparator(),
                 MenuCommand(TR_NOOP("MainMenu", "&Read Passages"), CM_READPASSAGES)}),
      MenuPopup(TR_NOOP("MainMenu", "&Help"),
                {MenuCommand(TR_NOOP("MainMenu", "About &Packages..."), CM_ABOUTPACKAGES),
                 MenuCommand(TR_NOOP("MainMenu", "About &Selwarth..."), CM_ABOUT)}),
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
      {A::Character, CtrlCharacter('B'), false, CM_READPASSAGES},
      {A::Character, CtrlCharacter('L'), false, CM_CALENDAR},
      {A::VirtualKey, VK_HOME, true, CM_DAYRESET},
      {A::VirtualKey, VK_LEFT, true, CM_DAYBACKWARD},
      {A::VirtualKey, VK_RIGHT, true, CM_DAYFORWARD},
      {A::VirtualKey, VK_OEM_PLUS, true, CM_ZOOMIN}, // also Ctrl+= and the keypad's +
      {A::VirtualKey, VK_OEM_MINUS, true, CM_ZOOMOUT},
      {A::VirtualKey, VK_0, true, CM_ZOOMRESET},
  };
}
