#include "app/verse_window.h"

#include "app/day_load_problems.h"
#include "app/program_state.h"
#include "app/qx_app.h"
#include "app/reminder_notice.h"
#include "app/window_placement.h"
#include "concordance_link/dde_settings_dialog.h"
#include "concordance_link/links.h"
#include "content/calendar_facts.h"
#include "content/day_entries.h"
#include "content/day_load.h"
#include "content/day_selection.h"
#include "content/day_state.h"
#include "content/settings.h"
#include "content/settings_change.h"
#include "content/settings_file.h"
#include "content/settings_store.h"
#include "content/shown_day.h"
#include "content/today_text.h"
#include "dialogs/about_dialogs.h"
#include "dialogs/bible_dialog.h"
#include "dialogs/calendar_dialog.h"
#include "dialogs/package_settings_dialog.h"
#include "dialogs/program_settings_dialog.h"
#include "dialogs/reading_view.h"
#include "dialogs/references_dialog.h"
#include "dialogs/reminder_dialog.h"
#include "dialogs/start_date_dialog.h"
#include "framework/backend.h"
#include "framework/frame_window.h"
#include "framework/message_box.h"
#include "framework/translation.h"
#include "readings/reading_bible.h"
#include "resources/main_menu.h"
#include "scripture/sword_modules.h"
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
  const auto daysStep = [](const W &w) { return TraitsOf(w.settings_.QuoteMethodCode).DaysStep; };
  const auto linked = [](const W &w) { return !w.settings_.ConcordanceServer.empty(); };
  static const TCommandTable<W> rows = {
      {CM_NEW, [](W &w, unsigned) { w.NewDay(); }},
      {CM_EXIT, [](W &w, unsigned) { w.CloseWindow(0); }},
      {CM_PACKAGES, [](W &w, unsigned) { w.RunReloadingDialog<TPackageSettingsDialog>(); }},
      {CM_PROGRAM, [](W &w, unsigned) { w.RunProgramSettings(); }},
      {CM_STARTDATE, [](W &w, unsigned) { w.RunReloadingDialog<TSetStartDateDialog>(); },
       [](const W &w) { return TraitsOf(w.settings_.QuoteMethodCode).PlansShow; }},
      {CM_DDE, [](W &w, unsigned) { TDDESettingsDialog(&w, w.settings_).Execute(); }},
      {CM_BIBLE, [](W &w, unsigned) { w.RunBibleSettings(); }},
      {CM_REMINDER, [](W &w, unsigned) { TReminderDialog(&w).Execute(); }},
      {CM_DAYBACKWARD, onDay, daysStep, [](const W &w) { return w.day_.DayOffset < 0; }},
      {CM_DAYFORWARD, onDay, daysStep, [](const W &w) { return w.day_.DayOffset > 0; }},
      {CM_DAYRESET, onDay, [](const W &w) { return w.day_.DayOffset != 0; }},
      {CM_REFERENCES, [](W &w, unsigned) { w.OpenReferences(); }},
      {CM_SHOWANSWERS, [](W &w, unsigned) { w.ToggleAnswers(); },
       [](const W &w) { return w.day_.HasAnswers; }, [](const W &w) { return w.day_.ShowAnswers; }},
      {CM_HIDEMENUS, [](W &w, unsigned) { w.ToggleMenu(); }},
      {CM_COPYTEXT, [](W &w, unsigned) { CopyDayText(w, w.day_.DayEntries.get()); },
       [](const W &w) { return w.day_.DayEntries != nullptr; }},
      {CM_ZOOMIN, onZoom, [](const W &w) { return w.settings_.Zoom < MaxZoom; }},
      {CM_ZOOMOUT, onZoom, [](const W &w) { return w.settings_.Zoom > MinZoom; }},
      {CM_ZOOMRESET, onZoom, [](const W &w) { return w.settings_.Zoom != NormalZoom; }},
      {CM_LINKMORNING, onLink, linked},
      {CM_LINKEVENING, onLink, linked},
      {CM_LINKQUIZ, onLink,
       [](const W &w) { return !w.settings_.ConcordanceServer.empty() && w.day_.HasAnswers; }},
      {CM_LINKVERSE, onLink, linked},
      // Whatever the concordance: the passages are read here.
      {CM_READPASSAGES, [](W &w, unsigned) { w.OpenReadingView(); },
       [](const W &w) { return w.biblesInstalled_; }},
      {CM_ABOUTPACKAGES, [](W &w, unsigned) { TAboutPackagesDialog(&w).Execute(); }},
      {CM_ABOUT, [](W &w, unsigned) { TAboutSelwarthDialog(&w).Execute(); }},
      {CM_DATE, [](W &w, unsigned) { w.OpenCalendar(); }},
      {CM_CALENDAR, [](W &w, unsigned) { w.OpenCalendar(); }},
      {CM_MARKREAD, [](W &w, unsigned) { w.ToggleReadMark(); },
       [](const W &w) { return w.planMarks_.has_value(); },
       [](const W &w) {
         const DayChoice shown = CurrentDayChoice(w.settings_, w.day_);
         return w.planMarks_ && w.planMarks_->test(static_cast<std::size_t>(
                                    PlanDayOf(shown.DayIndex, shown.PlanOffset)));
       }},
      {CM_MARKEARLIER, [](W &w, unsigned) { w.MarkEarlierDays(); },
       [](const W &w) { return w.EarlierDayUnread(); }},
      {CM_CATCHUP, [](W &w, unsigned) { w.CatchUp(); },
       [](const W &w) {
         return w.planMarks_ &&
                CatchUpOffset(*w.planMarks_, w.TodaySlot(), w.settings_.PlanOffset).has_value();
       }},
      {CM_STARTOVER, [](W &w, unsigned) { w.StartOverPlan(); },
       [](const W &w) { return w.planMarks_ && w.planMarks_->all(); }},
  };
  return rows;
}

TVerseWindow::TVerseWindow(TProgram &program)
    : TWindow(nullptr, ""), program_(program), settings_(program.settings), day_(program.day) {
  if (auto *app = dynamic_cast<TQXApp *>(TheApplication()))
    Instance = &app->InstId;
  Load();
}

TVerseWindow::~TVerseWindow() {
  // The modeless dialogs go with the window, as they came with it.
  program_.CalendarDialog.reset();
  program_.ReferencesDialog.reset();
  program_.ReadingView.reset();
}

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
  const std::tm &now = TodayLocalTime(day_);
  LoadedDay day;
  {
    // The load's devotionals and the Bibles from one reading of the library.
    ModuleCatalogueBatch catalogue;
    day = LoadDay(settings_, day_, now);
    // Asked once a load rather than at every look at the menu: a Bible
    // installed meanwhile counts from the next load (File/New, a day step).
    biblesInstalled_ = !InstalledBibleModules(SwordModuleFolders()).empty();
  }
  day_.DayEntries = std::move(day.Entries); // the old day goes
  day_.HasAnswers = day.HasAnswers;
  day_.ShowAnswers = false;
  TellDayLoadProblems(this, day_, day.Problems);
  shownDay_ = ShownDayText(now, day_.DayOffset);
  ShowPlanProgress();
}

const TDayEntry *TVerseWindow::ShownPlan() const {
  for (const TDayEntry *entry = day_.DayEntries.get(); entry != nullptr; entry = entry->Next.get())
    if (IsPlanEntry(*entry))
      return entry;
  return nullptr;
}

int TVerseWindow::TodaySlot() const {
  const std::tm &now = TodayLocalTime(day_);
  return DateSlot(now.tm_year + 1900, now.tm_yday, 0);
}

std::string LocalProgressWords(const char *pattern, int first, int second) {
  return FormatText(TranslatedText("Plan", pattern),
                    {std::to_string(first), std::to_string(second)});
}

void TVerseWindow::ShowPlanProgress() {
  NotePlanProgress(day_.DayEntries.get(), CurrentDayChoice(settings_, day_), TodaySlot(),
                   LocalProgressWords);
  const TDayEntry *plan = ShownPlan();
  planMarks_ = plan != nullptr ? std::optional(StoredPlanMarks(plan->FileName)) : std::nullopt;
  if (program_.CalendarOpen())
    program_.CalendarDialog->MarkPlanReadings(planMarks_, settings_.PlanOffset);
  if (program_.ReadingViewOpen())
    program_.ReadingView->Refresh();
  ReadablePartsChanged();
}

void TVerseWindow::ToggleReadMark() {
  const TDayEntry *plan = ShownPlan();
  if (plan == nullptr)
    return;
  const DayChoice shown = CurrentDayChoice(settings_, day_);
  if (const auto marked =
          ToggleStoredPlanDay(plan->FileName, PlanDayOf(shown.DayIndex, shown.PlanOffset));
      !marked) {
    MessageBox(this,
               FormatText(TranslatedText("Messages", "The reading could not be marked.\n%1"),
                          {marked.error()}),
               TR_NOOP("Messages", "Unable to Comply"), MB_ICONEXCLAMATION);
    return;
  }
  ShowPlanProgress();
  PostMessage(WM_SIZE, SIZE_RESTORED, 0); // the line comes or goes
}

bool TVerseWindow::EarlierDayUnread() const {
  if (!planMarks_)
    return false;
  const DayChoice shown = CurrentDayChoice(settings_, day_);
  const int shownDay = PlanDayOf(shown.DayIndex, shown.PlanOffset);
  for (int day = 0; day < shownDay; ++day)
    if (!planMarks_->test(static_cast<std::size_t>(day)))
      return true;
  return false;
}

void TVerseWindow::MarkEarlierDays() {
  const TDayEntry *plan = ShownPlan();
  if (plan == nullptr)
    return;
  const DayChoice shown = CurrentDayChoice(settings_, day_);
  if (const auto marked =
          MarkStoredDaysBefore(plan->FileName, PlanDayOf(shown.DayIndex, shown.PlanOffset));
      !marked) {
    MessageBox(this,
               FormatText(TranslatedText("Messages", "The readings could not be marked.\n%1"),
                          {marked.error()}),
               TR_NOOP("Messages", "Unable to Comply"), MB_ICONEXCLAMATION);
    return;
  }
  ShowPlanProgress();
  PostMessage(WM_SIZE, SIZE_RESTORED, 0); // the line may come
}

void TVerseWindow::CatchUp() {
  const std::optional<int> start =
      planMarks_ ? CatchUpOffset(*planMarks_, TodaySlot(), settings_.PlanOffset) : std::nullopt;
  if (!start)
    return;
  int month = 1, day = 1;
  DateOfPlanOffset(*start, month, day);
  // %1 is the month's name and %2 the day, so that a language can put them
  // in its own order.
  const std::string question = FormatText(
      TranslatedText("Messages", "The reading plan will start on %1 %2, so that the first day you "
                                 "have not read is today's reading.\nMove the start date?"),
      {TranslatedText("CALENDAR", MonthNames[static_cast<std::size_t>(month)].data()),
       std::to_string(day)});
  if (MessageBox(this, question, TR_NOOP("Messages", "Catch Up Reading Plan"),
                 MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  StorePlanStart(this, settings_, static_cast<std::int16_t>(*start));
  PostMessage(WM_COMMAND, CM_NEW);
}

void TVerseWindow::StartOverPlan() {
  const TDayEntry *plan = ShownPlan();
  if (plan == nullptr ||
      MessageBox(this,
                 TR_NOOP("Messages", "Every day of the reading plan is marked as read.\nClear the "
                                     "marks and start over?"),
                 TR_NOOP("Messages", "Start Over Reading Plan"),
                 MB_YESNO | MB_ICONQUESTION) != IDYES)
    return;
  if (const platform::Result<void> cleared = ClearStoredPlanMarks(plan->FileName); !cleared) {
    MessageBox(this,
               FormatText(TranslatedText("Messages", "The marks could not be cleared.\n%1"),
                          {cleared.error()}),
               TR_NOOP("Messages", "Unable to Comply"), MB_ICONEXCLAMATION);
    return;
  }
  ShowPlanProgress();
  PostMessage(WM_SIZE, SIZE_RESTORED, 0);
}

std::optional<std::vector<std::string>> TVerseWindow::ReadableParts() const {
  return EntryTexts(day_.DayEntries.get(), day_.ShowAnswers);
}

std::vector<TRect> TVerseWindow::ReadablePartCells(std::size_t part) const {
  const std::vector<std::vector<TRect>> &parts =
      Picture.ReadableCells(day_.DayEntries.get(), day_.ShowAnswers);
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
  // The day's reminder stays away once the window was shown (ignored on
  // failure: the reminder then comes all the same).
  (void)WriteSettings({{LastShownKey, day_.TodayText}});
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
  state.push_back(StoredSetting(settings_, &Settings::HideMenu));
  state.push_back({LastStartupKey, day_.TodayText});
  // Ignored on purpose: the window is going and there is no one left to
  // tell. The next start opens where the last stored state says, as after a
  // crash; the settings folder's trouble is told when the user saves.
  (void)WriteSettings(state);
  FreeDayEntries(day_.DayEntries);
  KillTimer(DayTimer);
  if (program_.CalendarOpen())
    program_.CalendarDialog->Destroy();
  if (program_.ReferencesOpen())
    program_.ReferencesDialog->Destroy();
  if (program_.ReadingViewOpen())
    program_.ReadingView->Destroy();
  EndConversation();
  MainWindowHandle = nullptr;
}

void TVerseWindow::UpdateDateItem() {
  TFrameWindow *frame = Frame();
  if (settings_.HideMenu != 0 || frame == nullptr || !frame->GetMenu())
    return;
  if (day_.TodayText.empty())
    BuildTodayText(day_);
  if (day_.DateValid == 0)
    return;
  // The menu bar is built anew only for a new date: building it is a good
  // part of what the start costs.
  TMenuItem *date = frame->GetMenu()->FindItem(CM_DATE);
  if (date == nullptr || date->Text == day_.TodayText)
    return;
  date->Text = day_.TodayText;
  frame->DrawMenuBar();
}

void TVerseWindow::UpdateTitle() {
  TFrameWindow *frame = Frame();
  if (frame == nullptr)
    return;
  std::string title = ProgramTitle;
  if (!shownDay_.empty() && shownDay_ != day_.TodayText)
    title += " \x97 " + shownDay_; // an em dash in code page 1252
  if (frame->Title() != title)
    frame->SetCaption(std::move(title));
}

void TVerseWindow::NewDay() {
  day_.DayOffset = 0;
  day_.DayStepped = false;
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
    settings_.HideMenu = 1;
    frame->AssignMenu(std::nullopt);
  } else {
    settings_.HideMenu = 0;
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
  day_.ShowAnswers = !day_.ShowAnswers;
  Invalidate(false);
  ReadablePartsChanged();
}

void TVerseWindow::RunProgramSettings() {
  const SettingValues before(settings_);
  TProgramSettingsDialog(this, settings_, day_).Execute();
  const SettingsChange change = before.Changes();
  if (change.Day == Affected::Content)
    PostMessage(WM_COMMAND, CM_NEW);
  else if (change.Day == Affected::Layout)
    PostMessage(WM_SIZE, SIZE_RESTORED, 0);
  else if (change.Day == Affected::Drawing)
    Invalidate(true);
  if (!change.Window)
    return;
  if (program_.CalendarOpen())
    program_.CalendarDialog->SetTopmost(settings_.Topmost != 0);
  if (program_.ReferencesOpen())
    program_.ReferencesDialog->SetTopmost(settings_.Topmost != 0);
  if (program_.ReadingViewOpen())
    program_.ReadingView->SetTopmost(settings_.Topmost != 0);
  if (TFrameWindow *frame = Frame())
    frame->SetTopmost(settings_.Topmost != 0);
}

template <class Dialog> void TVerseWindow::RunReloadingDialog() {
  Dialog(this, settings_, day_).Execute();
  if (day_.ReloadPending)
    PostMessage(WM_COMMAND, CM_NEW);
}

void TVerseWindow::OpenReferences() {
  if (program_.ReferencesOpen()) {
    CurrentBackend().Activate(*program_.ReferencesDialog);
    return;
  }
  program_.ReferencesDialog = std::make_unique<TReferencesDialog>(nullptr, settings_);
  program_.ReferencesDialog->Create();
}

void TVerseWindow::OpenReadingView() {
  if (program_.ReadingViewOpen()) {
    CurrentBackend().Activate(*program_.ReadingView);
    return;
  }
  if (!program_.Bibles)
    program_.Bibles = std::make_unique<TBibleShelf>();
  program_.ReadingView = std::make_unique<TReadingView>(this, settings_, day_, *program_.Bibles);
  program_.ReadingView->Create();
  program_.ReadingView->SetTopmost(settings_.Topmost != 0);
}

void TVerseWindow::RunBibleSettings() {
  if (TBibleDialog(this, settings_).Execute() == IDOK && program_.ReadingViewOpen())
    program_.ReadingView->Refresh();
}

void TVerseWindow::OpenCalendar() {
  if (program_.CalendarOpen()) {
    CurrentBackend().Activate(*program_.CalendarDialog);
    return;
  }
  program_.CalendarDialog = std::make_unique<TCalendar>(nullptr, settings_, day_);
  program_.CalendarDialog->MarkPlanReadings(planMarks_, settings_.PlanOffset);
  program_.CalendarDialog->ShowDate = [this](int year, int month, int day) {
    ShowDate(year, month, day);
  };
  program_.CalendarDialog->Create();
}

void TVerseWindow::ShowDate(int year, int month, int day) {
  if (!TraitsOf(settings_.QuoteMethodCode).DaysStep)
    return; // only the Date method shows the day of a date
  const std::tm &now = TodayLocalTime(day_);
  const long offset =
      DayNumber(year, month, day) - DayNumber(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
  if (offset < INT16_MIN || offset > INT16_MAX)
    return;
  // A day step, as Day Backward and Forward are: Day Reset comes back.
  day_.DayOffset = static_cast<std::int16_t>(offset);
  day_.DayStepped = true;
  Load();
  UpdateTitle();
  PostMessage(WM_SIZE, SIZE_RESTORED, 0);
}

void TVerseWindow::OnDayCommand(unsigned id) {
  if (id == CM_DAYBACKWARD)
    day_.DayOffset = static_cast<std::int16_t>(day_.DayOffset - 1);
  else if (id == CM_DAYFORWARD)
    day_.DayOffset = static_cast<std::int16_t>(day_.DayOffset + 1);
  else
    day_.DayOffset = 0;
  day_.DayStepped = true;
  Load();
  UpdateTitle();
  PostMessage(WM_SIZE, SIZE_RESTORED, 0);
}

void TVerseWindow::SetZoom(std::int16_t percent) {
  if (percent == settings_.Zoom)
    return;
  settings_.Zoom = percent;
  // Kept at once, in a key of its own; the other keys stay as they are. A
  // failure is told once a run, not at every step of the wheel.
  if (const platform::Result<void> stored = StoreSettings(settings_, {&Settings::Zoom});
      !stored && !zoomFailureTold_) {
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
    SetZoom(ZoomStepIn(settings_.Zoom));
  else if (id == CM_ZOOMOUT)
    SetZoom(ZoomStepOut(settings_.Zoom));
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
    SetZoom(ZoomStepIn(settings_.Zoom));
  }
  while (wheelTurn_ <= -WHEEL_DELTA) {
    wheelTurn_ += WHEEL_DELTA;
    SetZoom(ZoomStepOut(settings_.Zoom));
  }
}

void TVerseWindow::OnCommandEnable(TCommandEnabler &enabler) {
  if (const TCommandRow<TVerseWindow> *row = FindCommand(Commands(), enabler.GetId()))
    EnableByRow(*this, *row, enabler);
}

void TVerseWindow::CmLink(unsigned id) {
  RunLink(id, settings_, day_.DayEntries.get(), *this, this);
}

void TVerseWindow::EvSize(const TMessage &) {
  Invalidate(true);
  ScrollRangeStale = true;
}

void TVerseWindow::EvTimer(const TMessage &msg) {
  if (msg.WParam != DayTimer)
    return;
  std::string before = day_.TodayText;
  BuildTodayText(day_);
  if (day_.TodayText == before)
    return;
  if (settings_.HideMenu == 0)
    UpdateDateItem();
  UpdateTitle();
  if (settings_.UpdateDaily != 0)
    PostMessage(WM_COMMAND, CM_NEW);
}

void TVerseWindow::EvLButtonDblClk(const TMessage &) {
  if (settings_.HideMenu != 0)
    PostMessage(WM_COMMAND, CM_HIDEMENUS);
}

// With the menus hidden, the key that would open the menu bar (Alt or F10)
// brings them back, as the double click does: the keyboard's way back.
void TVerseWindow::EvSysCommand(const TMessage &msg) {
  if (msg.WParam == SC_KEYMENU && settings_.HideMenu != 0)
    PostMessage(WM_COMMAND, CM_HIDEMENUS);
}

void TVerseWindow::Paint(TDC &dc, bool, const TRect &rect) {
  TRect client = GetClientRect();
  Picture.Paint(dc, settings_, client, TRows{rect.top, rect.bottom}, day_.DayEntries.get(),
                day_.ShowAnswers, VerseColorsFor(CurrentBackend().PageColors(*this)));
  if (!ScrollRangeStale || !Scroller)
    return;
  ScrollRangeStale = false;
  SetScrollRange(0, ScrollRangeFor(Picture.DocumentBottom(), GetWindowRect().Height()));
}
