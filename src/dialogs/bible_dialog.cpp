#include "dialogs/bible_dialog.h"

#include "content/settings.h"
#include "content/settings_store.h"
#include "framework/backend.h"
#include "framework/controls.h"
#include "framework/message_box.h"
#include "framework/response_table.h"
#include "framework/translation.h"
#include "readings/reading_bible.h"
#include "resources/dialog_templates.h"
#include "resources/reading_ids.h"

using namespace bible;

TBibleDialog::TBibleDialog(TWindow *parent, Settings &settings)
    : TDialog(parent, BibleTemplate()), settings_(settings) {}

bool TBibleDialog::Respond(const TMessage &msg) {
  using D = TBibleDialog;
  static const TResponseTable<D> table = {
      EvNotify(BibleList, LBN_DBLCLK, &D::CmChosen),
  };
  return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
}

void TBibleDialog::SetupWindow() {
  bibles_ = InstalledBibleModules(SwordModuleFolders());
  if (bibles_.empty()) {
    MessageBox(this,
               TR_NOOP("Messages", "No Bible of the SWORD library is installed. Please install "
                                   "one, such as the package \"sword-text-kjv\"."),
               TR_NOOP("Messages", "Bible"), MB_ICONINFORMATION);
    CloseDialog(IDCANCEL);
    return;
  }
  TListBox list(*this, BibleList);
  for (const TSwordModule &module : bibles_)
    list.AddString(ListedName(bibles_, module), SpokenName(module));
  // The Bible the passages are read in now, stored or chosen by language.
  const TSwordModule *current =
      ChooseReadingBible(bibles_, settings_.ReadingBible, CurrentBackend().InterfaceLanguage());
  list.SetSelIndex(static_cast<int>(current - bibles_.data()));
}

void TBibleDialog::CmOk() {
  const int chosen = TListBox(*this, BibleList).GetSelIndex();
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= bibles_.size()) {
    MessageBox(this, TR_NOOP("Messages", "Please select the Bible to read the passages in."),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP);
    return;
  }
  const std::string &name = bibles_[static_cast<std::size_t>(chosen)].name;
  // Read back into a buffer of its size at the next start: a longer name
  // would come back cut and choose another Bible or none.
  if (name.size() > ReadingBibleBuffer - 1) {
    MessageBox(this,
               FormatText(TranslatedText("Messages", "Selwarth cannot keep the Bible \"%1\": its "
                                                     "name is longer than %2 characters."),
                          {name, std::to_string(ReadingBibleBuffer - 1)}),
               TR_NOOP("Messages", "Oops..."), MB_ICONSTOP);
    return;
  }
  settings_.ReadingBible = name;
  if (const platform::Result<void> stored = StoreSettings(settings_, {&Settings::ReadingBible});
      !stored)
    MessageBox(this,
               FormatText(TranslatedText("Messages", "The Bible could not be saved.\n%1\nIt will "
                                                     "be used until you exit."),
                          {stored.error()}),
               TR_NOOP("Messages", "Bible"), MB_ICONEXCLAMATION);
  CloseDialog(IDOK);
}
