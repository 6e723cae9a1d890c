#include "app/verse_window.h"

#include "app/day_load_problems.h"
#include "app/qx_app.h"
#include "app/window_placement.h"
#include "content/day_entries.h"
#include "content/day_load.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_change.h"
#include "content/settings_file.h"
#include "content/settings_store.h"
#include "content/shown_day.h"
#include "content/today_text.h"
#include "dde/dde_settings_dialog.h"
#include "dde/links.h"
#include "dialogs/about_dialogs.h"
#include "dialogs/calendar_dialog.h"
#include "dialogs/package_settings_dialog.h"
#include "dialogs/program_settings_dialog.h"
#include "dialogs/references_dialog.h"
#include "dialogs/start_date_dialog.h"
#include "framework/backend.h"
#include "framework/frame_window.h"
#include "framework/message_box.h"
#include "framework/translation.h"
#include "resources/main_menu.h"
#include "view/clipboard_copy.h"
#include "view/text_layout.h"
#include "view/verse_painter.h"
#include "view/zoom.h"

TVerseWindow *MainWindowHandle = nullptr;

const TResponseTable<TVerseWindow> &TVerseWindow::Responses() {
  using W = TVerseWindow;
  static const TResponseTable<W> table = {
      EvMessage(WM_SIZE, &W::EvSize),
      EvMessage(WM_TIMER, &W::EvTimer),
      EvMessage(WM_LBUTTONDBLCLK, &W::EvLButtonDblClk),
      EvMessage(WM_SYSCOMMAND, &W::EvSysCommand),
      EvMessage(WM_MOUSEWHEEL, &W::EvMouseWheel),
  };
  return table;
}

const TCommandTable<TVerseWindow> &TVerseWindow::Commands() {
  using W = TVerseWindow;
  const auto onDay = [](W &w, unsigned id) { w.OnDayCommand(id); };
  const auto onZoom = [](W &w, unsigned id) { w.OnZoomCommand(id); };
  const auto onLink = [](W &w, unsigned id) { w.CmLink(id); };
  const auto daysStep = [](const W &) { return TraitsOf(QuoteMethodCode).DaysStep; };
  const auto linked = [](const W &) { return !ConcordanceServer.empty(); };
  static const TCommandTable<W> rows = {
      {CM_NEW, [](W &w, unsigned) { w.NewDay(); }},
      {CM_EXIT, [](W &w, unsigned) { w.CloseWindow(0); }},
      {CM_PACKAGES, [](W &w, unsigned) { w.RunReloadingDialog<TPackageSettingsDialog>(); }},
      {CM_PROGRAM, [](W &w, unsigned) { w.RunProgramSettings(); }},
      {CM_STARTDATE, [](W &w, unsigned) { w.RunReloadingDialog<TSetStartDateDialog>(); },
       [](const W &) { return TraitsOf(QuoteMethodCode).PlansShow; }},
      {CM_DDE, [](W &w, unsigned) { TDDESettingsDialog(&w).Execute(); }},
      {CM_DAYBACKWARD, onDay, daysStep, [](const W &) { return DayOffset < 0; }},
      {CM_DAYFORWARD, onDay, daysStep, [](const W &) { return DayOffset > 0; }},
      {CM_DAYRESET, onDay, [](const W &) { return DayOffset != 0; }},
      {CM_REFERENCES, [](W &w, unsigned) { w.OpenReferences(); }},
      {CM_SHOWANSWERS, [](W &w, unsigned) { w.ToggleAnswers(); },
       [](const W &) { return HasAnswers; }, [](const W &) { return ShowAnswers; }},
      {CM_HIDEMENUS, [](W &w, unsigned) { w.ToggleMenu(); }},
      {CM_COPYTEXT, [](W &w, unsigned) { CopyDayText(w); },
       [](const W &) { return DayEntries != nullptr; }},
      {CM_ZOOMIN, onZoom, [](const W &) { return Zoom < MaxZoom; }},
      {CM_ZOOMOUT, onZoom, [](const W &) { return Zoom > MinZoom; }},
      {CM_ZOOMRESET, onZoom, [](const W &) { return Zoom != NormalZoom; }},
      {CM_LINKMORNING, onLink, linked},
      {CM_LINKEVENING, onLink, linked},
      {CM_LINKQUIZ, onLink, [](const W &) { return !ConcordanceServer.empty() && HasAnswers; }},
      {CM_LINKVERSE, onLink, linked},
      {CM_ABOUTPACKAGES, [](W &w, unsigned) { TAboutPackagesDialog(&w).Execute(); }},
      {CM_ABOUT, [](W &w, unsigned) { TAboutSelwarthDialog(&w).Execute(); }},
      {CM_DATE, [](W &w, unsigned) { w.OpenCalendar(); }},
  };
  return rows;
}

TVerseWindow::TVerseWindow() : TWindow(nullptr, "") {
  if (auto *app = dynamic_cast<TQXApp *>(TheApplication()))
    Instance = &app->InstId;
  Load();
}

TVerseWindow::~TVerseWindow() = default;

bool TVerseWindow::Respond(const TMessage &msg) {
  if (CommandOf(Commands(), msg) != nullptr) {
    OnCommand(CommandId(msg));
    return true;
  }
  return RespondFrom(*this, Responses(), msg) || TWindow::Respond(msg);
}

bool TVerseWindow::EnableCommand(TCommandEnabler &enabler) {
  if (FindCommand(Commands(), enabler.GetId()) == nullptr)
    return TWindow::EnableCommand(enabler);
  OnCommandEnable(enabler);
  return true;
}

TFrameWindow *TVerseWindow::Frame() const {
  return dynamic_cast<TFrameWindow *>(Parent());
}

void TVerseWindow::Load() {
  const std::tm &now = TodayLocalTime();
  LoadedDay day = LoadDay(now);
  DayEntries = std::move(day.Entries); // the old day goes
  HasAnswers = day.HasAnswers;
  ShowAnswers = false;
  TellDayLoadProblems(this, day.Problems);
  shownDay_ = ShownDayText(now, DayOffset);
  ReadablePartsChanged();
}

std::optional<std::vector<std::string>> TVerseWindow::ReadableParts() const {
  return EntryTexts(DayEntries.get(), ShowAnswers);
}

std::vector<TRect> TVerseWindow::ReadablePartCells(std::size_t part) const {
  const std::vector<std::vector<TRect>> &parts =
      Picture.ReadableCells(DayEntries.get(), ShowAnswers);
  if (part >= parts.size())
    return {};
  std::vector<TRect> cells = parts[part];
  const auto [dx, dy] = ScrollOffset();
  for (TRect &cell : cells)
    cell = TRect{cell.left - dx, cell.top - dy, cell.right - dx, cell.bottom - dy};
  return cells;
}

void TVerseWindow::SetupWindow() {
  UpdateDateItem();
  UpdateTitle();
  if (!SetTimer(DayTimer, DayTimerPeriodMs))
    MessageBox(this,
               TR_NOOP("Messages", "Selwarth will not be able to update automatically each day."),
               TR_NOOP("Messages", "No Windows Timers Available"), MB_ICONEXCLAMATION);
  // Said once, at start: the settings read as defaults, and the saves of
  // this run, the one at exit too, fail the same way.
  if (const platform::Result<void> readable = CheckSettingsFile(); !readable)
    MessageBox(this,
               FormatText(TranslatedText("Messages", "The settings could not be read: %1.\nThe "
                                                     "defaults are used, and changes will not be "
                                                     "saved."),
                          {readable.error()}),
               TR_NOOP("Messages", "Unable to Comply"), MB_ICONEXCLAMATION);
  MainWindowHandle = this;
}

void TVerseWindow::CleanupWindow() {
  // The state is saved in one write: a program killed while saving keeps
  // either the old state or the new, never half of each.
  std::vector<platform::ProfileSetting> state;
  if (TFrameWindow *frame = Frame()) {
    TRect place = frame->GetWindowRect();
    state = WindowPlacementValues(place.left, place.top, place.right, place.bottom);
  }
  state.push_back(StoredSetting(&HideMenu));
  state.push_back({LastStartupKey, TodayText});
  // Ignored on purpose: the window is going and there is no one left to
  // tell. The next start opens where the last stored state says, as after a
  // crash; the settings folder's trouble is told when the user saves.
  (void)WriteSettings(state);
  FreeDayEntries(DayEntries);
  KillTimer(DayTimer);
  if (CalendarOpen)
    CalendarDialog->Destroy();
  if (ReferencesOpen)
    ReferencesDialog->Destroy();
  EndConversation();
  MainWindowHandle = nullptr;
}

void TVerseWindow::UpdateDateItem() {
  TFrameWindow *frame = Frame();
  if (HideMenu != 0 || frame == nullptr || !frame->GetMenu())
    return;
  if (TodayText.empty())
    BuildTodayText();
  if (DateValid == 0)
    return;
  frame->GetMenu()->ModifyItemText(CM_DATE, TodayText);
  frame->DrawMenuBar();
}

void TVerseWindow::UpdateTitle() {
  TFrameWindow *frame = Frame();
  if (frame == nullptr)
    return;
  std::string title = ProgramTitle;
  if (!shownDay_.empty() && shownDay_ != TodayText)
    title += " \x97 " + shownDay_; // an em dash in code page 1252
  if (frame->Title() != title)
    frame->SetCaption(std::move(title));
}

void TVerseWindow::NewDay() {
  DayOffset = 0;
  DayStepped = false;
  Load();
  UpdateTitle();
  Invalidate(true);
  PostMessage(WM_SIZE, SIZE_RESTORED, 0);
}

void TVerseWindow::ToggleMenu() {
  TFrameWindow *frame = Frame();
  if (frame == nullptr)
    return;
  if (frame->GetMenu()) {
    HideMenu = 1;
    frame->AssignMenu(std::nullopt);
  } else {
    HideMenu = 0;
    frame->AssignMenu(MainMenu());
    UpdateDateItem();
  }
  Invalidate(true);
}

void TVerseWindow::OnCommand(unsigned id) {
  if (const TCommandRow<TVerseWindow> *row = FindCommand(Commands(), id))
    row->run(*this, id);
}

void TVerseWindow::ToggleAnswers() {
  ShowAnswers = !ShowAnswers;
  Invalidate(false);
  ReadablePartsChanged();
}

void TVerseWindow::RunProgramSettings() {
  const SettingValues before;
  TProgramSettingsDialog(this).Execute();
  const SettingsChange change = before.Changes();
  if (change.Day == Affected::Content)
    PostMessage(WM_COMMAND, CM_NEW);
  else if (change.Day == Affected::Layout)
    PostMessage(WM_SIZE, SIZE_RESTORED, 0);
  else if (change.Day == Affected::Drawing)
    Invalidate(true);
  if (!change.Window)
    return;
  if (CalendarOpen)
    CalendarDialog->SetTopmost(Topmost != 0);
  if (ReferencesOpen)
    ReferencesDialog->SetTopmost(Topmost != 0);
  if (TFrameWindow *frame = Frame())
    frame->SetTopmost(Topmost != 0);
}

template <class Dialog> void TVerseWindow::RunReloadingDialog() {
  Dialog(this).Execute();
  if (ReloadPending)
    PostMessage(WM_COMMAND, CM_NEW);
}

void TVerseWindow::OpenReferences() {
  if (ReferencesOpen) {
    CurrentBackend().Activate(*ReferencesDialog);
    return;
  }
  ReferencesDialog = std::make_unique<TReferencesDialog>(nullptr);
  ReferencesDialog->Create();
}

void TVerseWindow::OpenCalendar() {
  if (CalendarOpen) {
    CurrentBackend().Activate(*CalendarDialog);
    return;
  }
  CalendarDialog = std::make_unique<TCalendar>(nullptr);
  CalendarDialog->Create();
}

void TVerseWindow::OnDayCommand(unsigned id) {
  if (id == CM_DAYBACKWARD)
    DayOffset = static_cast<std::int16_t>(DayOffset - 1);
  else if (id == CM_DAYFORWARD)
    DayOffset = static_cast<std::int16_t>(DayOffset + 1);
  else
    DayOffset = 0;
  DayStepped = true;
  Load();
  UpdateTitle();
  PostMessage(WM_SIZE, SIZE_RESTORED, 0);
}

void TVerseWindow::SetZoom(std::int16_t percent) {
  if (percent == Zoom)
    return;
  Zoom = percent;
  // Kept at once, in a key of its own; the other keys stay as they are. A
  // failure is told once a run, not at every step of the wheel.
  if (const platform::Result<void> stored = StoreSettings({&Zoom}); !stored && !zoomFailureTold_) {
    zoomFailureTold_ = true;
    MessageBox(
        this,
        FormatText(TranslatedText("Messages", "The zoom could not be saved.\n%1\nIt will be used "
                                              "until you exit."),
                   {stored.error()}),
        TR_NOOP("Messages", "Unable to Comply"), MB_ICONEXCLAMATION);
  }
  Invalidate(true);
  ScrollRangeStale = true;
}

void TVerseWindow::OnZoomCommand(unsigned id) {
  if (id == CM_ZOOMIN)
    SetZoom(ZoomStepIn(Zoom));
  else if (id == CM_ZOOMOUT)
    SetZoom(ZoomStepOut(Zoom));
  else
    SetZoom(NormalZoom);
}

void TVerseWindow::EvMouseWheel(const TMessage &msg) {
  if ((msg.WParam & MK_CONTROL) == 0)
    return;
  // A notch is a step; a fine-grained wheel adds up to one first.
  wheelTurn_ += WheelDelta(msg.WParam);
  while (wheelTurn_ >= WHEEL_DELTA) {
    wheelTurn_ -= WHEEL_DELTA;
    SetZoom(ZoomStepIn(Zoom));
  }
  while (wheelTurn_ <= -WHEEL_DELTA) {
    wheelTurn_ += WHEEL_DELTA;
    SetZoom(ZoomStepOut(Zoom));
  }
}

void TVerseWindow::OnCommandEnable(TCommandEnabler &enabler) {
  if (const TCommandRow<TVerseWindow> *row = FindCommand(Commands(), enabler.GetId()))
    EnableByRow(*this, *row, enabler);
}

void TVerseWindow::CmLink(unsigned id) {
  RunLink(id, *this, this);
}

void TVerseWindow::EvSize(const TMessage &) {
  Invalidate(true);
  ScrollRangeStale = true;
}

void TVerseWindow::EvTimer(const TMessage &msg) {
  if (msg.WParam != DayTimer)
    return;
  std::string before = TodayText;
  BuildTodayText();
  if (TodayText == before)
    return;
  if (HideMenu == 0)
    UpdateDateItem();
  UpdateTitle();
  if (UpdateDaily != 0)
    PostMessage(WM_COMMAND, CM_NEW);
}

void TVerseWindow::EvLButtonDblClk(const TMessage &) {
  if (HideMenu != 0)
    PostMessage(WM_COMMAND, CM_HIDEMENUS);
}

// With the menus hidden, the key that would open the menu bar (Alt or F10)
// brings them back, as the double click does: the keyboard's way back.
void TVerseWindow::EvSysCommand(const TMessage &msg) {
  if (msg.WParam == SC_KEYMENU && HideMenu != 0)
    PostMessage(WM_COMMAND, CM_HIDEMENUS);
}

void TVerseWindow::Paint(TDC &dc, bool, const TRect &rect) {
  TRect client = GetClientRect();
  Picture.Paint(dc, client, TRows{rect.top, rect.bottom}, DayEntries.get(),
                VerseColorsFor(CurrentBackend().PageColors(*this)));
  if (!ScrollRangeStale || !Scroller)
    return;
  ScrollRangeStale = false;
  SetScrollRange(0, ScrollRangeFor(DocumentBottom, GetWindowRect().Height()));
}
