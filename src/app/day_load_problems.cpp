#include "app/day_load_problems.h"

#include "content/day_state.h"
#include "framework/message_box.h"

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
    MessageBox(owner, problem.Text, problem.Caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
  }
}
