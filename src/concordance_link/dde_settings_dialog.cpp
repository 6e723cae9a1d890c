#include "concordance_link/dde_settings_dialog.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>

#include "concordance_link/xiphos_link.h"
#include "content/settings.h"
#include "content/settings_store.h"
#include "framework/message.h"
#include "framework/message_box.h"
#include "framework/response_table.h"
#include "framework/translation.h"
#include "platform/ascii.h"
#include "platform/start_program.h"
#include "resources/dde_settings_ids.h"
#include "resources/dialog_templates.h"

using namespace ddesettings;

namespace {

struct ServerKind {
  int radio;
  const char *service;
  const char *minimum;
  const char *tooOld;
};

const std::array<ServerKind, 3> &Kinds() {
  static const std::array<ServerKind, 3> kinds = {{
      {DdeLogosRadio, "Logos", "01.60",
       TR_NOOP("Messages", "Sorry, Selwarth needs Logos 1.60 or higher.")},
      {DdeQuickVerseRadio, "QVWIN", "1.0i",
       TR_NOOP("Messages", "Sorry, Selwarth needs QuickVerse 1.0i or higher.")},
      {DdeSeedMasterRadio, "SMW", "2.63",
       TR_NOOP("Messages", "Sorry, Selwarth needs SeedMaster 2.63 or higher.")},
  }};
  return kinds;
}

const ServerKind *KindOf(unsigned radio) {
  for (const ServerKind &kind : Kinds())
    if (static_cast<unsigned>(kind.radio) == radio)
      return &kind;
  return nullptr;
}

// What the DDE Id box says until a name is typed, in the interface's language.
constexpr const char *EnterName = TR_NOOP("DDESETTINGS", "Enter name");
// The version taken for servers that are not asked for one.
constexpr const char *AssumedVersion = "1.0i";
// Replies are read into buffers of these sizes (NUL included).
constexpr std::size_t VersionBuffer = 10;
constexpr std::size_t ReplyBuffer = 21;

void LinkFailed(TWindow *owner) {
  MessageBox(owner, TR_NOOP("Messages", "Unable to link with server."),
             TR_NOOP("Messages", "DDE Error"), MB_ICONEXCLAMATION);
}

// A decimal count as the reply gives it: blanks, a sign, digits; 0 when
// there is none. Held to [0, MaxTranslations].
int CountOf(const std::string &text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos)
    return 0;
  bool negative = text[i] == '-';
  if (text[i] == '-' || text[i] == '+')
    ++i;
  long long count = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    count = std::min<long long>(count * 10 + (text[i] - '0'), MaxTranslations);
  return negative ? 0 : static_cast<int>(count);
}

void PostCommand(TWindow &window, int id) {
  window.PostMessage(WM_COMMAND, static_cast<std::uintptr_t>(id));
}

// What the DDE Id box says of Xiphos: whether it runs.
std::string XiphosState(std::optional<bool> runs) {
  if (!runs)
    return TranslatedText("DDESETTINGS", "Xiphos (no session bus)");
  if (*runs)
    return TranslatedText("DDESETTINGS", "Xiphos (running)");
  return TranslatedText("DDESETTINGS", "Xiphos (not running)");
}

// What is stored for a Bible: its name, or its abbreviation when the name is
// longer than the setting holds and the abbreviation names this Bible alone;
// nullopt when neither would read back as this Bible.
std::optional<std::string> StoredModule(const std::vector<TSwordModule> &modules,
                                        const TSwordModule &module) {
  if (module.name.size() < ConcordanceBuffer)
    return module.name;
  if (module.abbreviation.size() < ConcordanceBuffer &&
      FindModule(modules, module.abbreviation) == &module)
    return module.abbreviation;
  return std::nullopt;
}

} // namespace

TDDESettingsDialog::TDDESettingsDialog(TWindow *parent, Settings &settings)
    : TDialog(parent, DdeSettingsTemplate()), settings_(settings) {}

TDDESettingsDialog::~TDDESettingsDialog() = default;

bool TDDESettingsDialog::Respond(const TMessage &msg) {
  using D = TDDESettingsDialog;
  static const TResponseTable<D> table = {
      EvCommand(DdeLogosRadio, &D::CmServerKind),
      EvCommand(DdeQuickVerseRadio, &D::CmServerKind),
      EvCommand(DdeSeedMasterRadio, &D::CmServerKind),
      EvCommand(DdeXiphosRadio, &D::CmXiphos),
      EvCommand(DdeOtherRadio, &D::CmOther),
      EvCommand(DdeNoneRadio, &D::CmNone),
      EvCommand(DdeRetryButton, &D::CmRetry),
      EvCommand(HelpButton, &D::CmHelp),
  };
  return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
}

TConversationSlot &TDDESettingsDialog::Slot() {
  if (auto *slot = dynamic_cast<TConversationSlot *>(Parent()))
    return *slot;
  return ownSlot_;
}

void TDDESettingsDialog::SetupWindow() {
  translations_ = std::make_unique<TListBox>(*this, DdeTranslationList);
  ddeId_ = std::make_unique<TEdit>(*this, DdeIdEdit);
  serverName_ = settings_.ConcordanceServer;
  savedTranslation_ = settings_.ConcordanceTranslation;
  topicName_.clear();

  if (IsXiphos(settings_.ConcordanceServer)) {
    CheckKind(DdeXiphosRadio);
    PostCommand(*this, DdeXiphosRadio);
    return;
  }
  for (const ServerKind &kind : Kinds()) {
    if (platform::SameAscii(settings_.ConcordanceServer, kind.service)) {
      CheckKind(kind.radio);
      PostCommand(*this, kind.radio);
      return;
    }
  }
  if (!settings_.ConcordanceServer.empty()) {
    CheckKind(DdeOtherRadio);
    ddeId_->SetText(settings_.ConcordanceServer);
    PostCommand(*this, DdeRetryButton);
    return;
  }
  CheckKind(DdeNoneRadio);
  SetDdeId("", true);
}

void TDDESettingsDialog::SetDdeId(const std::string &text, bool readOnly) {
  if (TControlState *box = Control(DdeIdEdit)) {
    if (readOnly)
      box->Template.Style |= ES_READONLY;
    else
      box->Template.Style &= ~ES_READONLY;
  }
  ddeId_->SetText(text);
}

int TDDESettingsDialog::CheckedKind() {
  for (int radio = DdeLogosRadio; radio <= DdeNoneRadio; ++radio)
    if (TButton(*this, radio).GetCheck() == BF_CHECKED)
      return radio;
  return TButton(*this, DdeXiphosRadio).GetCheck() == BF_CHECKED ? DdeXiphosRadio : 0;
}

void TDDESettingsDialog::CheckKind(int radio) {
  CheckRadioButton(*this, DdeLogosRadio, DdeNoneRadio, radio);
  TButton(*this, DdeXiphosRadio).SetCheck(radio == DdeXiphosRadio ? BF_CHECKED : BF_UNCHECKED);
}

bool TDDESettingsDialog::StoppedByUser() {
  if (!Slot().WaitStopped())
    return false;
  Slot().EndConversation();
  CloseDialog(IDCANCEL);
  return true;
}

bool TDDESettingsDialog::CheckServer() {
  version_.clear();
  serverName_ = ddeId_->GetText();
  bool logos = platform::SameAscii(serverName_, "Logos");
  topicName_ = logos ? "System" : "Verses";
  TConversationSlot &slot = Slot();
  if (!slot.ConnectServer(serverName_, topicName_)) {
    if (!StoppedByUser())
      LinkFailed(this);
    return false;
  }
  if (logos) {
    std::optional<std::string> reply = slot.Request("Version", VersionBuffer, DdeRequestTimeoutMs);
    if (StoppedByUser())
      return false;
    if (!reply) {
      MessageBox(
          this,
          TR_NOOP("Messages", "The server is not responding. Please check it for any errors."),
          TR_NOOP("Messages", "DDE Error"), MB_OK);
      slot.EndConversation();
      return false;
    }
    version_ = *reply;
  } else if (platform::SameAscii(serverName_, "SMW")) {
    // SeedMaster is asked on its check topic; one that does not say keeps
    // the version every other server is taken to have.
    version_ = slot.Request("Version", VersionBuffer, DdeRequestTimeoutMs).value_or(AssumedVersion);
    if (StoppedByUser())
      return false;
  } else {
    version_ = AssumedVersion;
  }
  slot.EndConversation();
  return true;
}

int TDDESettingsDialog::FillTranslations() {
  translations_->ClearList();
  serverName_ = ddeId_->GetText();
  bool logos = platform::SameAscii(serverName_, "Logos");
  topicName_ = logos ? "Data" : "Verses";
  TConversationSlot &slot = Slot();
  if (!slot.ConnectServer(serverName_, topicName_)) {
    if (!StoppedByUser())
      LinkFailed(this);
    return 0;
  }
  if (logos) {
    // The whole listing has ListingTimeMs: a server slow to answer each of
    // the translations it claims would otherwise hold the dialog for long.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(ListingTimeMs);
    auto timeLeft = [&] {
      auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
      return static_cast<platform::DWORD>(std::clamp<long long>(left, 0, DdeRequestTimeoutMs));
    };
    int count = CountOf(slot.Request("NumVersions", ReplyBuffer, timeLeft()).value_or(""));
    for (int i = 0; i < count && timeLeft() > 0; ++i) {
      std::string item = "VerAbr" + std::to_string(i);
      std::optional<std::string> name = slot.Request(item.c_str(), ReplyBuffer, timeLeft());
      // A server that does not answer one request will not answer the next
      // either.
      if (!name)
        break;
      if (!name->empty())
        translations_->AddString(name->substr(0, ConcordanceBuffer - 1));
    }
    if (StoppedByUser())
      return 0;
    slot.EndConversation();
    if (timeLeft() == 0)
      MessageBox(
          this,
          TR_NOOP("Messages",
                  "The server took too long to name its translations; only those it named in time "
                  "are listed."),
          TR_NOOP("Messages", "DDE Error"), MB_OK);
  } else {
    slot.EndConversation();
    translations_->AddString("Default");
  }
  translations_->SelectString(savedTranslation_);
  return 1;
}

void TDDESettingsDialog::CmServerKind(unsigned id) {
  const ServerKind *kind = KindOf(id);
  if (kind == nullptr)
    return;
  SetDdeId(kind->service, true);
  if (CheckServer()) {
    if (version_.compare(kind->minimum) >= 0) {
      FillTranslations();
      return;
    }
    MessageBox(this, kind->tooOld, TR_NOOP("Messages", "DDE not available"), MB_OK);
  }
  if (!Ended())
    PostCommand(*this, DdeNoneRadio);
}

void TDDESettingsDialog::CmXiphos(unsigned) {
  CheckKind(DdeXiphosRadio);
  translations_->ClearList();
  modules_.clear();
  // Asking the bus starts nothing; a Xiphos that runs is used wherever it
  // was started from.
  const std::optional<bool> running = XiphosRunning();
  SetDdeId(XiphosState(running), true);
  if (running != true && platform::FindProgram(XiphosProgram).empty()) {
    MessageBox(this, XiphosMissingMessage(), TR_NOOP("Messages", "DDE not available"), MB_OK);
    PostCommand(*this, DdeNoneRadio);
    return;
  }
  modules_ = InstalledBibleModules(SwordModuleFolders());
  if (modules_.empty()) {
    MessageBox(this,
               TR_NOOP("Messages", "Xiphos has no Bible to show. Please install one, such as the "
                                   "package \"sword-text-kjv\"."),
               TR_NOOP("Messages", "DDE not available"), MB_OK);
    PostCommand(*this, DdeNoneRadio);
    return;
  }
  serverName_ = XiphosServer;
  for (const TSwordModule &module : modules_)
    translations_->AddString(ListedName(modules_, module), SpokenName(module));
  // The stored Bible by its name or abbreviation.
  if (const TSwordModule *saved = FindModule(modules_, savedTranslation_))
    for (int i = 0; i < translations_->GetCount(); ++i)
      if (translations_->GetString(i) == ListedName(modules_, *saved))
        translations_->SetSelIndex(i);
}

void TDDESettingsDialog::CmOther(unsigned) {
  SetDdeId(TranslatedText("DDESETTINGS", EnterName), false);
}

void TDDESettingsDialog::CmNone(unsigned) {
  CheckKind(DdeNoneRadio);
  SetDdeId("", true);
  translations_->ClearList();
  modules_.clear();
  serverName_.clear();
}

void TDDESettingsDialog::CmRetry(unsigned) {
  int kind = CheckedKind();
  if (kind == DdeXiphosRadio) {
    PostCommand(*this, kind);
    return;
  }
  if (KindOf(static_cast<unsigned>(kind)) != nullptr) {
    PostCommand(*this, kind);
    return;
  }
  if (kind != DdeOtherRadio) {
    MessageBox(this, TR_NOOP("Messages", "First select a concordance to connect to."),
               TR_NOOP("Messages", "Oops..."), MB_OK);
    return;
  }
  std::string name = ddeId_->GetText();
  if (name.empty() || platform::SameAscii(name, TranslatedText("DDESETTINGS", EnterName))) {
    serverName_ = name;
    MessageBox(this,
               TR_NOOP("Messages", "Please enter the server's name in the 'DDE Id' box first."),
               TR_NOOP("Messages", "Oops..."), MB_OK);
    return;
  }
  // The name is stored in a setting of 19 characters; a longer one would
  // come back cut, naming another program.
  if (name.size() > ConcordanceBuffer - 1) {
    MessageBox(this,
               FormatText(TranslatedText("Messages", "The DDE Id \"%1\" is too long. Selwarth can "
                                                     "keep a DDE Id of at most %2 characters."),
                          {name, std::to_string(ConcordanceBuffer - 1)}),
               TR_NOOP("Messages", "Oops..."), MB_OK);
    return;
  }
  if (std::string fault = ServerNameFault(name); !fault.empty()) {
    MessageBox(this, fault, TR_NOOP("Messages", "Oops..."), MB_OK);
    return;
  }
  // Xiphos is no DDE server: started as one it would open a window and
  // answer nothing.
  if (IsXiphos(name)) {
    PostCommand(*this, DdeXiphosRadio);
    return;
  }
  if (!CheckServer())
    return;
  if (version_.empty()) {
    MessageBox(this,
               TR_NOOP("Messages",
                       "Sorry, this program does not appear to be fully QuickVerse compatible."),
               TR_NOOP("Messages", "DDE not available"), MB_OK);
    PostCommand(*this, DdeNoneRadio);
    return;
  }
  FillTranslations();
}

void TDDESettingsDialog::CmHelp(unsigned) {
  MessageBox(
      this,
      TR_NOOP("Messages",
              "To select a Bible concordance server, first make sure it is currently running or "
              "that its program is in a folder on your PATH. If your program is listed, select the "
              "appropriate button; Xiphos is among them, and the Bibles installed for it are "
              "listed whether or not it is running. If it isn't listed, but is QuickVerse "
              "compatible, select \"Other\", enter its DDE Id (the name of its program) and "
              "choose \"Retry\". When the concordance is successfully contacted, all loaded Bible "
              "translations will be listed. Select one and then choose the \"OK\" button."),
      TR_NOOP("Messages", "Selecting a DDE Server"), MB_OK);
}

void TDDESettingsDialog::CmOk() {
  int selected = translations_->GetSelIndex();
  savedTranslation_ = selected >= 0 ? translations_->GetString(selected) : std::string();
  if (CheckedKind() == DdeXiphosRadio)
    for (const TSwordModule &module : modules_) {
      if (ListedName(modules_, module) != savedTranslation_)
        continue;
      std::optional<std::string> stored = StoredModule(modules_, module);
      if (!stored) {
        MessageBox(this,
                   FormatText(TranslatedText("Messages",
                                             "Selwarth cannot keep the Bible \"%1\": its name is "
                                             "longer than %2 characters, and it has no shorter "
                                             "abbreviation of its own. Please choose another."),
                              {module.name, std::to_string(ConcordanceBuffer - 1)}),
                   TR_NOOP("Messages", "Unable to accept settings"), MB_OK);
        return;
      }
      savedTranslation_ = *stored;
      break;
    }
  bool none = TButton(*this, DdeNoneRadio).GetCheck() == BF_CHECKED;
  if (savedTranslation_.empty() && !none) {
    MessageBox(this,
               TR_NOOP("Messages", "Please select the Bible translation you would like to use."),
               TR_NOOP("Messages", "Unable to accept settings"), MB_OK);
    return;
  }
  if (serverName_.size() > ConcordanceBuffer - 1) {
    MessageBox(this,
               FormatText(TranslatedText("Messages", "The DDE Id \"%1\" is too long. Selwarth can "
                                                     "keep a DDE Id of at most %2 characters."),
                          {serverName_, std::to_string(ConcordanceBuffer - 1)}),
               TR_NOOP("Messages", "Unable to accept settings"), MB_OK);
    return;
  }
  settings_.ConcordanceServer = serverName_;
  settings_.ConcordanceTranslation = savedTranslation_;
  // Both in one write: a server is never stored with another's translation.
  if (const platform::Result<void> stored = StoreSettings(
          settings_, {&Settings::ConcordanceServer, &Settings::ConcordanceTranslation});
      !stored)
    MessageBox(
        this,
        FormatText(
            TranslatedText(
                "Messages",
                "The DDE settings could not be saved.\n%1\nThey will be used until you exit."),
            {stored.error()}),
        TR_NOOP("Messages", "Dynamic Data Exchange Settings"), MB_ICONEXCLAMATION);
  CloseDialog(IDOK);
}
