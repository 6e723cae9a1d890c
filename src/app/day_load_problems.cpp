#include "app/day_load_problems.h"

#include "content/day_load.h"
#include "content/day_state.h"
#include "framework/message_box.h"
#include "framework/translation.h"

void TellDayLoadProblems(TWindow *owner, DayState &day,
                         const std::vector<DayLoadProblem> &problems) {
  for (const DayLoadProblem &problem : problems) {
    if (problem.What == DayLoadProblem::Kind::NoPackages) {
      MessageBox(owner, problem.Text, problem.Caption.c_str(), MB_OK);
      continue;
    }
    bool &told = problem.What == DayLoadProblem::Kind::TextNotSaved ? day.TextExportFailureTold
                                                                    : day.MarqueeFailureTold;
    if (told)
      continue;
    told = true;
    const std::string text =
        problem.What == DayLoadProblem::Kind::TextNotSaved
            ? FormatText(TranslatedText("Messages", "The daily text could not be saved to %1: %2."),
                         {TextExportFile, problem.Reason})
            : FormatText(
                  TranslatedText("Messages", "The screen saver text could not be saved: %1."),
                  {problem.Reason});
    MessageBox(owner, text, problem.Caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
  }
}
