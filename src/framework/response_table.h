#pragma once

// Response tables: each window class lists which messages, menu commands,
// control notifications and command-enabling queries it answers, and with
// which member function. A class looks its own table up first and then
// passes what it does not answer to its base class:
//
//   bool TMyWindow::Respond(const TMessage &msg) {
//     return RespondFrom(*this, Responses(), msg) || TWindow::Respond(msg);
//   }

#include <vector>

#include "framework/command_enabler.h"
#include "framework/message.h"

// WM_COMMAND carries the command or control id in the low word of WParam and
// the notification code in the high word.
constexpr unsigned CommandId(const TMessage &msg) {
  return static_cast<unsigned>(msg.WParam & 0xFFFF);
}
constexpr unsigned NotifyCode(const TMessage &msg) {
  return static_cast<unsigned>((msg.WParam >> 16) & 0xFFFF);
}
constexpr TMessage CommandMessage(unsigned id, unsigned notifyCode = 0) {
  return TMessage{WM_COMMAND, (static_cast<std::uintptr_t>(notifyCode) << 16) | (id & 0xFFFF), 0};
}

template <class W> struct TResponseEntry {
  enum Kind { Message, Command, CommandEnable, Notify };
  Kind kind;
  unsigned id;       // message id, command id or control id
  unsigned code = 0; // the notification code of a Notify entry
  void (W::*onMessage)(const TMessage &) = nullptr;
  void (W::*onCommand)(unsigned id) = nullptr;
  void (W::*onEnable)(TCommandEnabler &) = nullptr;
  void (W::*onNotify)() = nullptr;
};

template <class W> using TResponseTable = std::vector<TResponseEntry<W>>;

template <class W> TResponseEntry<W> EvMessage(TMsgId id, void (W::*handler)(const TMessage &)) {
  TResponseEntry<W> entry{TResponseEntry<W>::Message, id};
  entry.onMessage = handler;
  return entry;
}

template <class W> TResponseEntry<W> EvCommand(unsigned id, void (W::*handler)(unsigned)) {
  TResponseEntry<W> entry{TResponseEntry<W>::Command, id};
  entry.onCommand = handler;
  return entry;
}

template <class W>
TResponseEntry<W> EvCommandEnable(unsigned id, void (W::*handler)(TCommandEnabler &)) {
  TResponseEntry<W> entry{TResponseEntry<W>::CommandEnable, id};
  entry.onEnable = handler;
  return entry;
}

template <class W>
TResponseEntry<W> EvNotify(unsigned controlId, unsigned code, void (W::*handler)()) {
  TResponseEntry<W> entry{TResponseEntry<W>::Notify, controlId, code};
  entry.onNotify = handler;
  return entry;
}

// Delivers msg to the entry of table that answers it; false when none does.
template <class W>
bool RespondFrom(W &window, const TResponseTable<W> &table, const TMessage &msg) {
  for (const TResponseEntry<W> &entry : table) {
    switch (entry.kind) {
    case TResponseEntry<W>::Message:
      if (msg.Id == entry.id) {
        (window.*entry.onMessage)(msg);
        return true;
      }
      break;
    case TResponseEntry<W>::Command:
      if (msg.Id == WM_COMMAND && NotifyCode(msg) == 0 && CommandId(msg) == entry.id) {
        (window.*entry.onCommand)(entry.id);
        return true;
      }
      break;
    case TResponseEntry<W>::Notify:
      if (msg.Id == WM_COMMAND && CommandId(msg) == entry.id && NotifyCode(msg) == entry.code) {
        (window.*entry.onNotify)();
        return true;
      }
      break;
    case TResponseEntry<W>::CommandEnable:
      break;
    }
  }
  return false;
}

// A window's menu commands, one row each: the command, the code it runs, and
// when it is enabled and checked (none: always enabled, never checked). The
// window looks the rows up when a command comes and when the menu asks for
// its states, so a command is its row alone.
template <class W> struct TCommandRow {
  unsigned id;
  void (*run)(W &window, unsigned id);
  bool (*enabled)(const W &window) = nullptr;
  bool (*checked)(const W &window) = nullptr;
};

template <class W> using TCommandTable = std::vector<TCommandRow<W>>;

// The row of command id, or null.
template <class W> const TCommandRow<W> *FindCommand(const TCommandTable<W> &table, unsigned id) {
  for (const TCommandRow<W> &row : table)
    if (row.id == id)
      return &row;
  return nullptr;
}

// The command of a menu item or accelerator that msg carries, when table has
// its row.
template <class W>
const TCommandRow<W> *CommandOf(const TCommandTable<W> &table, const TMessage &msg) {
  if (msg.Id != WM_COMMAND || NotifyCode(msg) != 0)
    return nullptr;
  return FindCommand(table, CommandId(msg));
}

// Answers an enabling query by the command's row.
template <class W>
void EnableByRow(const W &window, const TCommandRow<W> &row, TCommandEnabler &enabler) {
  enabler.Enable(row.enabled == nullptr || row.enabled(window));
  if (row.checked != nullptr)
    enabler.SetCheck(row.checked(window));
}

// Answers an enabling query from table: by its enabling entry, or, for a
// command the table handles without one, enabled. False when the table
// knows nothing of the command.
template <class W>
bool EnableFrom(W &window, const TResponseTable<W> &table, TCommandEnabler &enabler) {
  for (const TResponseEntry<W> &entry : table)
    if (entry.kind == TResponseEntry<W>::CommandEnable && entry.id == enabler.GetId()) {
      (window.*entry.onEnable)(enabler);
      return true;
    }
  for (const TResponseEntry<W> &entry : table)
    if (entry.kind == TResponseEntry<W>::Command && entry.id == enabler.GetId()) {
      enabler.Enable(true);
      return true;
    }
  return false;
}
