#pragma once

// The DDE Settings dialog: the user picks the concordance program and the
// Bible translation the Links commands use. Each choice is tried at once:
// the program is contacted (and started when it is not running), its
// version is checked and its translations are listed. OK stores the choice
// in the settings' ConcordanceServer and ConcordanceTranslation and in the
// settings file. Xiphos, which is no DDE server, is not contacted: its check
// is whether it runs (its name on the session bus has an owner, shown in the
// DDE Id box) or else is installed, and its list the SWORD Bibles it reads.
//
// The dialog holds no conversation of its own between button presses; it
// borrows the conversation slot of its parent (the main window).

#include <memory>
#include <string>
#include <vector>

#include "concordance_link/conversation_slot.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "scripture/sword_modules.h"

struct Settings;

class TDDESettingsDialog : public TDialog {
public:
  TDDESettingsDialog(TWindow *parent, Settings &settings);
  ~TDDESettingsDialog() override;

  // Contacts the server named in the DDE Id box and sets the version text.
  // True when it answered; false with the message already shown.
  bool CheckServer();
  // Fills the list with the server's translations and preselects the saved
  // one. 1 when filled; 0 with the message already shown.
  int FillTranslations();

  // The response table's handlers.
  void CmServerKind(unsigned id); // Logos, QuickVerse, SeedMaster
  // Xiphos: whether it runs or is installed, and the Bibles it reads.
  void CmXiphos(unsigned);
  void CmOther(unsigned);
  void CmNone(unsigned);
  void CmRetry(unsigned);
  void CmHelp(unsigned);
  void CmOk() override;

  const std::string &ServerName() const { return serverName_; }
  const std::string &Version() const { return version_; }

protected:
  void SetupWindow() override;
  bool Respond(const TMessage &msg) override;

private:
  TConversationSlot &Slot();
  void SetDdeId(const std::string &text, bool readOnly);
  int CheckedKind();
  void CheckKind(int radio);
  // Whether the user stopped the last wait for the server (Escape): the
  // dialog then ends as Escape ends it, storing nothing.
  bool StoppedByUser();

  Settings &settings_;
  std::unique_ptr<TListBox> translations_;
  std::unique_ptr<TEdit> ddeId_;
  std::string serverName_;
  std::string topicName_;
  std::string version_;
  std::string savedTranslation_;
  // The Bibles listed for Xiphos, each shown by its abbreviation.
  std::vector<TSwordModule> modules_;
  // Used only when the parent holds no slot: every contact then fails.
  TConversationSlot ownSlot_;
};

// The time-out of the dialog's requests, in milliseconds.
inline constexpr unsigned DdeRequestTimeoutMs = 5000;
// The most translations asked of a server, whatever count it gives: more
// than a person picks one from in a list.
inline constexpr int MaxTranslations = 100;
// The longest the listing of a server's translations may take, all its
// requests together, in milliseconds.
inline constexpr unsigned ListingTimeMs = 3000;
