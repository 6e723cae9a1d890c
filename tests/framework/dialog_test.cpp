#include "framework/dialog.h"

#include <gtest/gtest.h>

#include "framework/close_signals.h"
#include "framework/controls.h"
#include "framework/framework_state.h"
#include "framework/headless/headless_backend.h"
#include "framework/message_box.h"
#include "framework/response_table.h"

namespace {

TDialogTemplate TestTemplate() {
  TDialogTemplate t;
  t.Name = "TEST";
  t.Caption = "Test";
  t.Controls = {
      {101, TControlKind::ListBox, "", LBS_SORT | LBS_NOTIFY, 0, 0, 50, 50},
      {102, TControlKind::ListBox, "", 0, 0, 0, 50, 50},
      {201, TControlKind::AutoRadioButton, "&One", WS_GROUP, 0, 0, 10, 10},
      {202, TControlKind::AutoRadioButton, "&Two", 0, 0, 0, 10, 10},
      {203, TControlKind::AutoRadioButton, "T&hree", 0, 0, 0, 10, 10},
      {301, TControlKind::AutoRadioButton, "&Other group", WS_GROUP, 0, 0, 10, 10},
      {401, TControlKind::AutoCheckBox, "&Check", 0, 0, 0, 10, 10},
      {501, TControlKind::Edit, "start", 0, 0, 0, 10, 10},
      {502, TControlKind::Edit, "fixed", ES_READONLY, 0, 0, 10, 10},
      {1, TControlKind::DefPushButton, "&OK", 0, 0, 0, 10, 10},
      {2, TControlKind::PushButton, "&Cancel", 0, 0, 0, 10, 10},
      {998, TControlKind::PushButton, "&Help", 0, 0, 0, 10, 10},
  };
  return t;
}

class TestDialog : public TDialog {
public:
  explicit TestDialog(TWindow *parent) : TDialog(parent, TestTemplate()) {}
  std::vector<std::string> log;

  void SelChanged() {
    log.push_back("sel " + TListBox(*this, 101).GetString(TListBox(*this, 101).GetSelIndex()));
  }
  void DoubleClicked() { log.push_back("double"); }
  void Help(unsigned) { log.push_back("help"); }
  void Typed() { log.push_back("typed " + TEdit(*this, 501).GetText()); }

protected:
  void SetupWindow() override {
    TListBox list(*this, 101);
    for (const char *item : {"verse.qxp", "Greek.qxp", "apple.qxp", "quiz.qxp"})
      list.AddString(item);
    TListBox plain(*this, 102);
    plain.AddString("b");
    plain.AddString("a");
    log.push_back("setup");
  }
  bool Respond(const TMessage &msg) override {
    static const TResponseTable<TestDialog> table = {
        EvNotify(101, LBN_SELCHANGE, &TestDialog::SelChanged),
        EvNotify(101, LBN_DBLCLK, &TestDialog::DoubleClicked),
        EvNotify(501, EN_CHANGE, &TestDialog::Typed),
        EvCommand(998, &TestDialog::Help),
    };
    return RespondFrom(*this, table, msg) || TDialog::Respond(msg);
  }
};

TEST(DialogTest, AModalRunEndsWithTheButtonThatClosedIt) {
  HeadlessBackend backend;
  backend.InDialog("TEST", [](TDialog &d) {
    EXPECT_TRUE(d.IsCreated());
    d.UserClick(998);
  });
  backend.InDialog("TEST", [](TDialog &d) { d.UserClick(1); });
  TestDialog dialog(nullptr);
  EXPECT_EQ(dialog.Execute(), 1);
  EXPECT_FALSE(dialog.IsCreated());
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"setup", "help"}));
  EXPECT_EQ(backend.DialogsRun(), (std::vector<std::string>{"TEST"}));

  // Without steps the user presses Escape.
  TestDialog again(nullptr);
  EXPECT_EQ(again.Execute(), 2);
}

TEST(DialogTest, TheSystemMenusCloseCancels) {
  HeadlessBackend backend;
  backend.InDialog("TEST", [](TDialog &d) { d.HandleMessage(TMessage{WM_CLOSE, 0, 0}); });
  TestDialog dialog(nullptr);
  EXPECT_EQ(dialog.Execute(), 2);
}

// Once the program is asked to close, the code on its way out shows
// nothing: a dialog is cancelled unseen, a box is answered OK, a question
// No.
TEST(DialogTest, NothingIsShownWhileTheProgramCloses) {
  HeadlessBackend backend;
  AskProgramToClose();
  TestDialog dialog(nullptr);
  EXPECT_EQ(dialog.Execute(), 2);
  EXPECT_EQ(MessageBox(nullptr, "Unable to go to John 3:16.", "DDE Error", MB_ICONEXCLAMATION),
            IDOK);
  EXPECT_EQ(MessageBox(nullptr, "Move the start date?", "Catch Up", MB_YESNO), IDNO);
  EXPECT_TRUE(backend.PaintWhileBusy()); // a wait ends
  ResetFrameworkState();
  EXPECT_TRUE(dialog.log.empty());
  EXPECT_TRUE(backend.DialogsRun().empty());
  EXPECT_TRUE(backend.Messages().empty());
}

TEST(DialogTest, ListBoxesSortWhenAskedAndNotifyTheirDialog) {
  HeadlessBackend backend;
  TestDialog *seen = nullptr;
  backend.InDialog("TEST", [&](TDialog &d) {
    seen = static_cast<TestDialog *>(&d);
    TListBox list(d, 101);
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetString(0), "apple.qxp");
    EXPECT_EQ(list.GetString(1), "Greek.qxp");
    EXPECT_EQ(list.GetString(3), "verse.qxp");
    EXPECT_EQ(TListBox(d, 102).GetString(0), "b"); // unsorted: as added
    EXPECT_EQ(list.GetSelIndex(), -1);
    d.UserSelect(101, 2);
    d.UserDoubleClick(101, 3);
    d.UserClick(2);
  });
  TestDialog dialog(nullptr);
  dialog.Execute();
  ASSERT_EQ(seen, &dialog);
  EXPECT_EQ(dialog.log,
            (std::vector<std::string>{"setup", "sel quiz.qxp", "sel verse.qxp", "double"}));
}

TEST(DialogTest, FindStringSearchesPrefixesWithoutCaseAndWraps) {
  HeadlessBackend backend;
  backend.InDialog("TEST", [](TDialog &d) {
    TListBox list(d, 101);
    EXPECT_EQ(list.FindString("GRE"), 1);
    EXPECT_EQ(list.FindString("q"), 2);
    EXPECT_EQ(list.FindString("", 3), 0); // wraps round to the first
    EXPECT_EQ(list.FindString("x"), -1);
    EXPECT_EQ(list.SelectString("v"), 3);
    EXPECT_EQ(list.GetSelIndex(), 3);
    EXPECT_EQ(list.SelectString("zzz"), -1);
    EXPECT_EQ(list.GetSelIndex(), 3); // unchanged
    list.AddString("aardvark.qxp");   // inserted before the selection
    EXPECT_EQ(list.GetSelIndex(), 4);
    list.ClearList();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetSelIndex(), -1);
    EXPECT_EQ(list.FindString("a"), -1);
  });
  TestDialog dialog(nullptr);
  dialog.Execute();
}

TEST(DialogTest, RadioButtonsCheckOneOfTheirGroupAndCheckBoxesToggle) {
  HeadlessBackend backend;
  backend.InDialog("TEST", [](TDialog &d) {
    d.UserClick(301);
    d.UserClick(202);
    EXPECT_EQ(TButton(d, 202).GetCheck(), BF_CHECKED);
    EXPECT_EQ(TButton(d, 201).GetCheck(), BF_UNCHECKED);
    EXPECT_EQ(TButton(d, 301).GetCheck(), BF_CHECKED); // another group
    d.UserClick(203);
    EXPECT_EQ(TButton(d, 202).GetCheck(), BF_UNCHECKED);
    EXPECT_EQ(TButton(d, 203).GetCheck(), BF_CHECKED);
    CheckRadioButton(d, 201, 203, 201);
    EXPECT_EQ(TButton(d, 201).GetCheck(), BF_CHECKED);
    EXPECT_EQ(TButton(d, 203).GetCheck(), BF_UNCHECKED);
    d.UserClick(401);
    EXPECT_EQ(TButton(d, 401).GetCheck(), BF_CHECKED);
    d.UserClick(401);
    EXPECT_EQ(TButton(d, 401).GetCheck(), BF_UNCHECKED);
    TButton(d, 401).Enable(false);
    d.UserClick(401); // a disabled control takes no click
    EXPECT_EQ(TButton(d, 401).GetCheck(), BF_UNCHECKED);
  });
  TestDialog dialog(nullptr);
  dialog.Execute();
}

TEST(DialogTest, EditsTakeTypingUnlessReadOnly) {
  HeadlessBackend backend;
  TestDialog dialog(nullptr);
  backend.InDialog("TEST", [](TDialog &d) {
    EXPECT_EQ(TEdit(d, 501).GetText(), "start");
    d.UserType(501, "Logos");
    d.UserType(502, "changed");
    EXPECT_EQ(TEdit(d, 502).GetText(), "fixed");
  });
  dialog.Execute();
  EXPECT_EQ(dialog.log.back(), "typed Logos");
}

TEST(DialogTest, AModelessDialogIsDestroyedWhenItCloses) {
  HeadlessBackend backend;
  TestDialog dialog(nullptr);
  dialog.Create();
  EXPECT_TRUE(backend.Shows(dialog));
  EXPECT_FALSE(dialog.IsModal());
  dialog.UserCancel();
  EXPECT_FALSE(dialog.IsCreated());
  EXPECT_EQ(dialog.Result(), 2);
}

} // namespace
