#include "app/qx_app.h"

#include "app/program_state.h"
#include "app/verse_window.h"
#include "app/window_placement.h"
#include "concordance_link/dde_client.h"
#include "content/settings.h"
#include "framework/backend.h"
#include "resources/main_menu.h"

TQXApp::TQXApp(TProgram &program) : program_(program) {}

void TQXApp::InitMainWindow() {
  // The verse window loads the day as it is built, before any window exists.
  auto verse = std::make_unique<TVerseWindow>(program_);
  TVerseWindow &client = *verse;
  verse->Attr.Style |= WS_VSCROLL;
  verse->Scroller = std::make_unique<TScroller>(0, 4, 0, 0);
  auto frame = std::make_unique<TFrameWindow>(nullptr, ProgramTitle, std::move(verse));

  TSize screen = CurrentBackend().ScreenSize();
  TWindowPlacement place = ReadWindowPlacement(screen.cx, screen.cy);
  frame->Attr.X = place.x;
  frame->Attr.Y = place.y;
  frame->Attr.W = place.cx;
  frame->Attr.H = place.cy;
  if (program_.settings.Topmost != 0)
    frame->Attr.ExStyle |= WS_EX_TOPMOST;
  if (program_.settings.HideMenu == 0)
    frame->AssignMenu(MainMenu());
  // The menu bar is built once, with the date in it.
  client.UpdateDateItem();
  frame->IconId = ProgramIcon;
  frame->SetAcceleratorTable(MainAccelerators());
  SetMainWindow(std::move(frame));
}

void TQXApp::InitInstance() {
  StartDdeClient(InstId, &TQXApp::CallBack);
  TApplication::InitInstance();
}

int TQXApp::TermInstance(int status) {
  StopDdeClient(InstId);
  InstId = 0;
  return TApplication::TermInstance(status);
}

platform::HDDEDATA TQXApp::CallBack(platform::UINT type, platform::UINT, platform::HCONV conv,
                                    platform::HSZ, platform::HSZ, platform::HDDEDATA,
                                    platform::ULONG_PTR, platform::ULONG_PTR) {
  return AnswerDdeCallback(type, conv, MainWindowHandle, MainWindowHandle);
}
