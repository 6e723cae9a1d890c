#include "framework/qt/qt_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "framework/qt/text_codec.h"
#include "framework/window.h"
#include "platform/code_page_1252.h"

namespace {

// The areas made readable, and their windows.
QHash<QObject *, TWindow *> &ReadableAreas() {
  static QHash<QObject *, TWindow *> areas;
  return areas;
}

// A part as a reader gets it: Unicode, with plain line ends.
QString PartText(const std::string &part) {
  QString text = FromProgramText(part);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

// A part's cells (one a byte of its text) for its text as a reader gets it:
// a character's cell is that of its first byte, a character beyond the basic
// plane takes two of Qt's units, and a CR LF is one character. Nothing when
// the window cannot tell.
std::vector<QRect> CellsOfText(const std::string &part, const std::vector<TRect> &cells) {
  std::vector<QRect> rects;
  if (cells.size() != part.size())
    return rects;
  for (std::size_t i = 0; i < part.size();) {
    const std::size_t first = i;
    const char32_t character = platform::NextCharacter(part, i);
    if (character == '\r' && i < part.size() && part[i] == '\n')
      continue;
    const QRect cell(QPoint(cells[first].left, cells[first].top),
                     QSize(cells[first].Width(), cells[first].Height()));
    rects.push_back(cell);
    if (character > 0xFFFF)
      rects.push_back(cell);
  }
  return rects;
}

// The text interface of a fixed text: nothing selectable, a caret that a
// reader moves, the lines where the window drew them, the other boundaries
// Qt finds by itself.
class FixedTextInterface : public QAccessibleTextInterface {
public:
  virtual QString WholeText() const = 0;
  // Where each character is drawn, in the area's coordinates.
  virtual std::vector<QRect> Cells() const = 0;
  virtual QWidget *Area() const = 0;

  void selection(int, int *start, int *end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return cursor_; }
  void setCursorPosition(int position) override {
    cursor_ = std::clamp(position, 0, characterCount());
  }
  QString text(int start, int end) const override {
    return WholeText().mid(start, end < 0 ? -1 : end - start);
  }
  int characterCount() const override { return static_cast<int>(WholeText().size()); }
  QRect characterRect(int offset) const override {
    const std::vector<QRect> cells = Cells();
    if (offset < 0 || offset >= static_cast<int>(cells.size()) || Area() == nullptr)
      return QRect();
    const QRect &cell = cells[static_cast<std::size_t>(offset)];
    return QRect(Area()->mapToGlobal(cell.topLeft()), cell.size());
  }
  int offsetAtPoint(const QPoint &point) const override {
    const std::vector<QRect> cells = Cells();
    const QPoint local = Area() != nullptr ? Area()->mapFromGlobal(point) : point;
    for (std::size_t i = 0; i < cells.size(); ++i)
      if (cells[i].contains(local))
        return static_cast<int>(i);
    return -1;
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int *start, int *end) const override {
    *start = 0;
    *end = characterCount();
    return QString();
  }
  // A line is what the window drew on one row.
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                       int *end) const override {
    if (type != QAccessible::LineBoundary || !DrawnLine(offset, start, end))
      return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    return text(*start, *end);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                           int *end) const override {
    if (type != QAccessible::LineBoundary || !DrawnLine(offset, start, end))
      return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    if (*start == 0 || !DrawnLine(*start - 1, start, end))
      *start = *end = 0;
    return text(*start, *end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                          int *end) const override {
    if (type != QAccessible::LineBoundary || !DrawnLine(offset, start, end))
      return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    if (!DrawnLine(*end, start, end))
      *start = *end = characterCount();
    return text(*start, *end);
  }

private:
  // The characters drawn on the row of offset's, the line end with them.
  bool DrawnLine(int offset, int *start, int *end) const {
    const std::vector<QRect> cells = Cells();
    const int count = static_cast<int>(cells.size());
    if (count == 0 || count != characterCount() || offset < 0 || offset >= count)
      return false;
    const int row = cells[static_cast<std::size_t>(offset)].top();
    *start = *end = offset;
    while (*start > 0 && cells[static_cast<std::size_t>(*start - 1)].top() == row)
      --*start;
    while (*end < count && cells[static_cast<std::size_t>(*end)].top() == row)
      ++*end;
    return true;
  }

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
  std::vector<QRect> Cells() const override;
  QWidget *Area() const override;
  using FixedTextInterface::text;

private:
  ReadableDocument *document_;
  int index_;
};

class ReadableDocument : public QAccessibleWidget, public FixedTextInterface {
public:
  explicit ReadableDocument(QWidget *area) : QAccessibleWidget(area, QAccessible::Document) {}
  ~ReadableDocument() override { DropParts(); }

  // The window is asked while it is there: it may go before its widget.
  TWindow *Window() const { return isValid() ? ReadableAreas().value(widget(), nullptr) : nullptr; }
  std::vector<std::string> RawParts() const {
    TWindow *window = Window();
    if (window == nullptr)
      return {};
    return window->ReadableParts().value_or(std::vector<std::string>{});
  }
  std::vector<QString> Parts() const {
    std::vector<QString> parts;
    for (const std::string &part : RawParts())
      parts.push_back(PartText(part));
    return parts;
  }
  std::vector<QRect> PartCells(int index) const {
    const std::vector<std::string> parts = RawParts();
    if (index < 0 || index >= static_cast<int>(parts.size()))
      return {};
    return CellsOfText(parts[static_cast<std::size_t>(index)],
                       Window()->ReadablePartCells(static_cast<std::size_t>(index)));
  }
  QString WholeText() const override {
    QString whole;
    for (const QString &part : Parts())
      whole += part;
    return whole;
  }
  std::vector<QRect> Cells() const override {
    std::vector<QRect> cells;
    const int count = static_cast<int>(RawParts().size());
    for (int index = 0; index < count; ++index) {
      const std::vector<QRect> part = PartCells(index);
      if (part.empty())
        return {};
      cells.insert(cells.end(), part.begin(), part.end());
    }
    return cells;
  }
  QWidget *Area() const override { return isValid() ? widget() : nullptr; }

  // The caret a reader moves (Say All, its own caret keys): heard of, and
  // brought into view.
  void setCursorPosition(int position) override {
    MoveCaret(position);
    const std::vector<QRect> cells = Cells();
    const int caret = cursorPosition();
    if (TWindow *window = Window(); window != nullptr && caret < static_cast<int>(cells.size())) {
      const QRect &cell = cells[static_cast<std::size_t>(caret)];
      window->ScrollToShow(cell.top(), cell.top() + cell.height());
    }
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
  int childCount() const override { return static_cast<int>(RawParts().size()); }
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

  // The day changed: the readers hear the old parts go and the new ones
  // come, the text change and the caret back at the start.
  void Refresh() {
    DropParts();
    QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
    const int count = childCount();
    for (int index = 0; index < count; ++index) {
      QAccessibleEvent added(child(index), QAccessible::ObjectCreated);
      QAccessible::updateAccessibility(&added);
    }
    const QString now = WholeText();
    QAccessibleTextUpdateEvent update(this, 0, shown_, now);
    QAccessible::updateAccessibility(&update);
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    shown_ = now;
    MoveCaret(0);
  }

private:
  void MoveCaret(int position) {
    FixedTextInterface::setCursorPosition(position);
    QAccessibleTextCursorEvent moved(this, cursorPosition());
    QAccessible::updateAccessibility(&moved);
  }
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
  // The rows its characters are drawn on; the document's when unknown.
  QRect area;
  for (const QRect &cell : Cells())
    area |= cell;
  if (area.isEmpty() || Area() == nullptr)
    return document_->rect();
  return QRect(Area()->mapToGlobal(area.topLeft()), area.size());
}
QString ReadablePart::WholeText() const {
  const std::vector<QString> parts = document_->Parts();
  return index_ < static_cast<int>(parts.size()) ? parts[static_cast<std::size_t>(index_)]
                                                 : QString();
}
std::vector<QRect> ReadablePart::Cells() const {
  return document_->PartCells(index_);
}
QWidget *ReadablePart::Area() const {
  return document_->Area();
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
  // A document the keyboard focus reaches, as a browser's text is; the keys
  // it does not use (all of them: the arrows and Page keys scroll as the
  // window's own keys) go on to the window.
  area->setFocusPolicy(Qt::StrongFocus);
  area->setFocus();
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
