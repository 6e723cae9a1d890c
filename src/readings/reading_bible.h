#pragma once

// Which installed Bible the day's passages are read in, and the Bibles once
// opened (opening one checks its files and makes libsword's manager).

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"
#include "scripture/passage_text.h"
#include "scripture/sword_modules.h"

// The Bible stored (ReadingBible: a module's name, or an abbreviation only
// it has) when it is installed; else the first Bible in the interface's
// language ("es", "pt-BR" as "pt"), else the first English one, else the
// first of all. Null when none is installed.
const TSwordModule *ChooseReadingBible(const std::vector<TSwordModule> &bibles,
                                       std::string_view stored, std::string_view language);

// The first language of the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG), as "es" of "es_ES.UTF-8"; "en" when none is set or it is "C".
std::string DesktopLanguage();

// The Bibles opened so far, kept for the next reading: a second opening of
// the day's passages reads at once.
class TBibleShelf {
public:
  // The module's Bible, opened now or before; a failure says why.
  platform::Result<TBible *> Open(const TSwordModule &module);

private:
  struct Kept {
    std::unique_ptr<TBible> bible;
    std::string problem;
  };
  std::map<std::string, Kept> kept_; // by the module's files
};
