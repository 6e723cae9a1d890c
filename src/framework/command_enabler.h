#pragma once

// A command-enabling query: before a menu is shown (and before an
// accelerator sends its command) the framework asks the window which
// commands are enabled and which are checked.

class TCommandEnabler {
public:
  explicit TCommandEnabler(unsigned id) : id_(id) {}

  unsigned GetId() const { return id_; }
  void Enable(bool enable = true) {
    enabled_ = enable;
    handled_ = true;
  }
  // Makes the command one with a check mark, shown or not.
  void SetCheck(bool check) {
    checked_ = check;
    checkable_ = true;
    handled_ = true;
  }

  bool Enabled() const { return enabled_; }
  bool Checked() const { return checked_; }
  bool Checkable() const { return checkable_; }
  // Whether a handler answered the query.
  bool Handled() const { return handled_; }

private:
  unsigned id_;
  bool enabled_ = true;
  bool checked_ = false;
  bool checkable_ = false;
  bool handled_ = false;
};
