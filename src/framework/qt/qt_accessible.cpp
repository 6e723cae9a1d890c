#include "framework/qt/qt_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>
#include <vector>

#include "framework/qt/text_codec.h"
#include "framework/window.h"

namespace {

// The areas made readable, and their windows.
QHash<QObject *, TWindow *> &ReadableAreas() {
  static QHash<QObject *, TWindow *> areas;
  return areas;
}

// A part as a reader gets it: Unicode, with plain line ends.
QString PartText(const std::string &part) {
  QString text = FromWindows1252(part);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

// The text interface of a fixed text: nothing selectable, no caret that
// moves the view, the boundaries Qt finds by itself.
class FixedTextInterface : public QAccessibleTextInterface {
public:
  virtual QString WholeText() const = 0;

  void selection(int, int *start, int *end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return cursor_; }
  void setCursorPosition(int position) override { cursor_ = position; }
  QString text(int start, int end) const override {
    return WholeText().mid(start, end < 0 ? -1 : end - start);
  }
  int characterCount() const override { return static_cast<int>(WholeText().size()); }
  QRect characterRect(int) const override { return QRect(); }
  int offsetAtPoint(const QPoint &) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int *start, int *end) const override {
    *start = 0;
    *end = characterCount();
    return QString();
  }

private:
  int cursor_ = 0;
};

class ReadableDocument;

// One part (an entry of the day): a paragraph named by its first line.
class ReadablePart : public QAccessibleInterface, public FixedTextInterface {
public:
  ReadablePart(ReadableDocument *document, int index) : document_(document), index_(index) {}

  bool isValid() const override;
  QObject *object() const override { return nullptr; }
  QWindow *window() const override;
  QAccessibleInterface *parent() const override;
  QAccessibleInterface *child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface *) const override { return -1; }
  QAccessibleInterface *childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::Paragraph; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    state.multiLine = true;
    return state;
  }
  QRect rect() const override;
  QString text(QAccessible::Text kind) const override {
    const QString whole = WholeText();
    if (kind == QAccessible::Name)
      return whole.left(whole.indexOf(QLatin1Char('\n')));
    return kind == QAccessible::Value ? whole : QString();
  }
  void setText(QAccessible::Text, const QString &) override {}
  void *interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                              : nullptr;
  }
  QString WholeText() const override;
  using FixedTextInterface::text;

private:
  ReadableDocument *document_;
  int index_;
};

class ReadableDocument : public QAccessibleWidget, public FixedTextInterface {
public:
  explicit ReadableDocument(QWidget *area) : QAccessibleWidget(area, QAccessible::Document) {}
  ~ReadableDocument() override { DropParts(); }

  std::vector<QString> Parts() const {
    std::vector<QString> parts;
    // The window is asked while it is there: it may go before its widget.
    TWindow *window = isValid() ? ReadableAreas().value(widget(), nullptr) : nullptr;
    if (window == nullptr)
      return parts;
    if (auto readable = window->ReadableParts())
      for (const std::string &part : *readable)
        parts.push_back(PartText(part));
    return parts;
  }
  QString WholeText() const override {
    QString whole;
    for (const QString &part : Parts())
      whole += part;
    return whole;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
  }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) {
      QString name = QAccessibleWidget::text(kind);
      return name.isEmpty() ? widget()->window()->windowTitle() : name;
    }
    return kind == QAccessible::Value ? WholeText() : QAccessibleWidget::text(kind);
  }
  using FixedTextInterface::text;
  void *interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface)
      return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // The parts are the children; the widget has no child widgets to show.
  int childCount() const override { return static_cast<int>(Parts().size()); }
  QAccessibleInterface *child(int index) const override {
    if (index < 0 || index >= childCount())
      return nullptr;
    while (static_cast<int>(parts_.size()) <= index) {
      auto *part =
          new ReadablePart(const_cast<ReadableDocument *>(this), static_cast<int>(parts_.size()));
      QAccessible::registerAccessibleInterface(part);
      parts_.push_back(part);
    }
    return parts_[static_cast<std::size_t>(index)];
  }
  int indexOfChild(const QAccessibleInterface *child) const override {
    for (std::size_t i = 0; i < parts_.size(); ++i)
      if (parts_[i] == child)
        return static_cast<int>(i) < childCount() ? static_cast<int>(i) : -1;
    return -1;
  }
  QAccessibleInterface *childAt(int, int) const override { return nullptr; }

  // The day changed: the old parts go, the new ones are made when asked
  // for, and the readers hear of both and of the new text.
  void Refresh() {
    DropParts();
    QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
    const QString now = WholeText();
    QAccessibleTextUpdateEvent update(this, 0, shown_, now);
    QAccessible::updateAccessibility(&update);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    shown_ = now;
  }

private:
  void DropParts() {
    for (ReadablePart *part : parts_) {
      QAccessibleEvent gone(part, QAccessible::ObjectDestroyed);
      QAccessible::updateAccessibility(&gone);
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(part));
    }
    parts_.clear();
  }

  mutable std::vector<ReadablePart *> parts_;
  QString shown_;
};

bool ReadablePart::isValid() const {
  return document_->isValid() && index_ < document_->childCount();
}
QWindow *ReadablePart::window() const {
  return document_->window();
}
QAccessibleInterface *ReadablePart::parent() const {
  return document_;
}
QRect ReadablePart::rect() const {
  return document_->rect();
}
QString ReadablePart::WholeText() const {
  const std::vector<QString> parts = document_->Parts();
  return index_ < static_cast<int>(parts.size()) ? parts[static_cast<std::size_t>(index_)]
                                                 : QString();
}

QAccessibleInterface *ReadableFactory(const QString &, QObject *object) {
  if (!ReadableAreas().contains(object))
    return nullptr;
  return new ReadableDocument(static_cast<QWidget *>(object));
}

} // namespace

void MakeReadable(QWidget *area, TWindow &window) {
  static const bool installed = [] {
    QAccessible::installFactory(&ReadableFactory);
    return true;
  }();
  (void)installed;
  ReadableAreas().insert(area, &window);
  QObject::connect(area, &QObject::destroyed, [area] { ReadableAreas().remove(area); });
}

void ForgetReadable(QWidget *area) {
  ReadableAreas().insert(area, nullptr);
}

void AnnounceReadableChange(QWidget *area) {
  if (ReadableAreas().value(area, nullptr) == nullptr || !QAccessible::isActive())
    return;
  if (auto *document =
          dynamic_cast<ReadableDocument *>(QAccessible::queryAccessibleInterface(area)))
    document->Refresh();
}
