#include "framework/qt/qt_dialog_controls.h"
#include "framework/qt/qt_document_view.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTextOption>

#include <algorithm>

#include "framework/control_labels.h"
#include "framework/dialog.h"
#include "framework/qt/qt_icons.h"
#include "framework/qt/qt_translation.h"
#include "framework/qt/text_codec.h"

namespace {

bool Has(const TControlTemplate &control, std::uint32_t style) {
  return (control.Style & style) != 0;
}

QWidget *MakeButton(const TControlTemplate &control, QWidget *dialog) {
  auto *button = new QPushButton(dialog);
  // Every button of a dialog is pressed by Enter while it has the focus;
  // the template's default button when the focus is on another control.
  button->setAutoDefault(true);
  button->setDefault(control.Kind == TControlKind::DefPushButton);
  return button;
}

bool IsNavigationKey(int key) {
  switch (key) {
  case Qt::Key_Home:
  case Qt::Key_End:
  case Qt::Key_Up:
  case Qt::Key_Down:
  case Qt::Key_PageUp:
  case Qt::Key_PageDown:
    return true;
  default:
    return false;
  }
}

// At a fractional scale (QT_FONT_DPI=144 is 1.5) the viewport, a child
// widget rounded outwards to whole pixels, would fill its background over
// the right edge of the frame around it. The frame's widget fills the
// background instead, under its frame, and the viewport draws the content.
void KeepFrameWhole(QAbstractScrollArea *area) {
  area->setBackgroundRole(QPalette::Base);
  area->setAutoFillBackground(true);
  area->viewport()->setAutoFillBackground(false);
}

// Mixes two colours, share parts of b to the rest of a.
QColor Mixed(const QColor &a, const QColor &b, double share) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share));
}

// Draws the rows of a list box so that the keyboard's place can be seen: the
// row with the focus framed in the text colour, and the selection of a list
// without the focus in a grey of its own, so that of several lists the one
// the keys go to stands out.
class ListRowDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter *painter, const QStyleOptionViewItem &option,
             const QModelIndex &index) const override {
    QStyleOptionViewItem row(option);
    bool focused = (option.state & QStyle::State_HasFocus) != 0;
    // The style's own focus frame is too faint to see; this one replaces it.
    row.state &= ~QStyle::State_HasFocus;
    const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
    if (view != nullptr && !view->hasFocus()) {
      const QColor base = option.palette.color(QPalette::Active, QPalette::Base);
      const QColor text = option.palette.color(QPalette::Active, QPalette::Text);
      row.palette.setColor(QPalette::Highlight, Mixed(base, text, 0.45));
      row.palette.setColor(QPalette::HighlightedText, text);
    }
    QStyledItemDelegate::paint(painter, row, index);
    if (!focused)
      return;
    painter->save();
    painter->setPen(QPen(option.palette.color(QPalette::Text), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->restore();
  }
};

// A list box as the keyboard knows it: the focus arriving selects nothing,
// but a navigation key selects the row it lands on, also when the focus
// stays where it was (the only row, Home on the first). The focused row of
// a list with no selection is where Up and Down land first.
class ListBox : public QListWidget {
public:
  explicit ListBox(QWidget *parent) : QListWidget(parent) {
    setItemDelegate(new ListRowDelegate(this));
  }

  // The widest entry as the delegate draws it, text margins included.
  int WidestEntry() {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int widest = 0;
    for (int row = 0; row < count(); ++row)
      widest = std::max(widest, itemDelegate()->sizeHint(option, indexFromItem(item(row))).width());
    return widest;
  }

protected:
  void keyPressEvent(QKeyEvent *event) override {
    const int key = event->key();
    if (!IsNavigationKey(key)) {
      QListWidget::keyPressEvent(event);
      return;
    }
    bool unchosen = selectedItems().isEmpty() && currentRow() >= 0;
    if (!(unchosen && (key == Qt::Key_Up || key == Qt::Key_Down)))
      QListWidget::keyPressEvent(event);
    if (currentItem() != nullptr && !currentItem()->isSelected())
      setCurrentRow(currentRow(), QItemSelectionModel::ClearAndSelect);
    event->accept();
  }
  void focusInEvent(QFocusEvent *event) override {
    QListWidget::focusInEvent(event);
    viewport()->update(); // the selection's colour shows the focus
  }
  void focusOutEvent(QFocusEvent *event) override {
    QListWidget::focusOutEvent(event);
    viewport()->update();
  }
};

QWidget *MakeListBox(const TControlTemplate &control, QWidget *dialog) {
  auto *list = new ListBox(dialog);
  KeepFrameWhole(list);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setUniformItemSizes(true);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list->setHorizontalScrollBarPolicy(Has(control, WS_HSCROLL) ? Qt::ScrollBarAsNeeded
                                                              : Qt::ScrollBarAlwaysOff);
  return list;
}

// A disabled edit is a display box (a date, a package's description): it
// takes no focus and no typing, but its text stays as readable as any.
void KeepTextReadableWhenDisabled(QWidget *edit) {
  QPalette colours = edit->palette();
  colours.setColor(QPalette::Disabled, QPalette::Text,
                   colours.color(QPalette::Active, QPalette::Text));
  edit->setPalette(colours);
}

QWidget *MakeEdit(const TControlTemplate &control, QWidget *dialog) {
  if (!Has(control, ES_MULTILINE)) {
    auto *edit = new QLineEdit(dialog);
    KeepTextReadableWhenDisabled(edit);
    edit->setAlignment(Has(control, ES_CENTER) ? Qt::AlignCenter
                                               : Qt::AlignLeft | Qt::AlignVCenter);
    edit->setReadOnly(Has(control, ES_READONLY));
    return edit;
  }
  auto *edit = new QPlainTextEdit(dialog);
  KeepTextReadableWhenDisabled(edit);
  KeepFrameWhole(edit);
  // Room for the text in the small boxes the templates draw, as the old
  // edits had: a pixel around it, not Qt's four.
  edit->document()->setDocumentMargin(1);
  edit->setReadOnly(Has(control, ES_READONLY));
  // A read-only text is read with the caret keys; Tab leaves it.
  if (edit->isReadOnly())
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  edit->setTabChangesFocus(true);
  edit->setVerticalScrollBarPolicy(Has(control, WS_VSCROLL) ? Qt::ScrollBarAsNeeded
                                                            : Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  if (Has(control, ES_CENTER)) {
    QTextOption option = edit->document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    edit->document()->setDefaultTextOption(option);
  }
  return edit;
}

// Labels, frames and icons only show; clicks go to whatever lies beneath.
void LetClicksThrough(QWidget *widget) {
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget->setFocusPolicy(Qt::NoFocus);
}

QWidget *MakeStatic(const TControlTemplate &control, QWidget *dialog) {
  auto *label = new QLabel(dialog);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | (Has(control, SS_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft));
  LetClicksThrough(label);
  return label;
}

QWidget *MakeIcon(const TControlTemplate &control, QWidget *dialog) {
  auto *label = new QLabel(dialog);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  // The template names the icon resource by its number. It is drawn for
  // the screen's pixels, sharp also where a pixel of the layout is several.
  qreal ratio = dialog->devicePixelRatioF();
  QPixmap icon = DrawIcon(control.Text == "2" ? 2 : 1, qRound(32 * ratio));
  icon.setDevicePixelRatio(ratio);
  label->setPixmap(icon);
  LetClicksThrough(label);
  return label;
}

// A sunken frame a bitmap is drawn into: a plain copy, no stretching, with
// its top-left corner where the control's state puts it.
class PictureFrame : public QFrame {
public:
  explicit PictureFrame(QWidget *parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  void Show(const TControlState &state) {
    inset_ = state.PictureInset;
    image_ = QImage();
    const TBitmap &picture = state.Picture;
    if (!picture.Empty() &&
        picture.Pixels.size() == static_cast<std::size_t>(picture.Width) * picture.Height) {
      image_ = QImage(picture.Width, picture.Height, QImage::Format_RGB32);
      for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
          image_.setPixel(
              x, y, 0xFF000000u | picture.Pixels[static_cast<std::size_t>(y) * picture.Width + x]);
    }
    update();
  }

protected:
  void paintEvent(QPaintEvent *event) override {
    QFrame::paintEvent(event);
    if (image_.isNull())
      return;
    QPainter painter(this);
    QRect area = contentsRect();
    painter.setClipRect(area);
    TControlState where;
    where.PictureInset = inset_;
    TPoint origin = PictureOrigin(where, area.width(), area.height());
    painter.drawImage(area.left() + origin.x, area.top() + origin.y, image_);
  }

private:
  QImage image_;
  int inset_ = 0;
};

// A screen reader meets the picture as a graphic, not as a frame.
QAccessibleInterface *PictureAccessible(const QString &, QObject *object) {
  auto *frame = dynamic_cast<PictureFrame *>(object);
  return frame != nullptr ? new QAccessibleWidget(frame, QAccessible::Graphic) : nullptr;
}

QWidget *MakePicture(const TControlTemplate &, QWidget *dialog) {
  static const bool known = (QAccessible::installFactory(PictureAccessible), true);
  (void)known;
  auto *frame = new PictureFrame(dialog);
  LetClicksThrough(frame);
  return frame;
}

QWidget *MakeGroupBox(const TControlTemplate &, QWidget *dialog) {
  // Only a frame with a title: the controls inside belong to the dialog.
  auto *box = new QGroupBox(dialog);
  LetClicksThrough(box);
  return box;
}

void SetIfChanged(QAbstractButton *button, const QString &text) {
  if (button->text() != text)
    button->setText(text);
}

// Brings the list's items in line with the framework's, changing only the
// rows between the common start and the common end: a program filling a
// list one AddString at a time costs one insertion each.
void ShowItems(QListWidget *list, const TControlState &state) {
  int shown = list->count();
  int wanted = static_cast<int>(state.Items.size());
  auto spoken = [&](int item) {
    return static_cast<size_t>(item) < state.ItemNames.size()
               ? FromProgramText(state.ItemNames[static_cast<size_t>(item)])
               : QString();
  };
  auto same = [&](int row, int item) {
    return list->item(row)->text() == FromProgramText(state.Items[static_cast<size_t>(item)]) &&
           list->item(row)->toolTip() == spoken(item);
  };
  int front = 0;
  while (front < shown && front < wanted && same(front, front))
    ++front;
  int back = 0;
  while (back < shown - front && back < wanted - front && same(shown - 1 - back, wanted - 1 - back))
    ++back;
  for (int row = shown - back - 1; row >= front; --row)
    delete list->takeItem(row);
  for (int item = front; item < wanted - back; ++item) {
    auto *row = new QListWidgetItem(FromProgramText(state.Items[static_cast<size_t>(item)]));
    if (QString name = spoken(item); !name.isEmpty()) {
      row->setToolTip(name);
      row->setData(Qt::AccessibleTextRole, name);
    }
    list->insertItem(item, row);
  }

  int selection = state.Selection < list->count() ? state.Selection : -1;
  if (SelectedRow(list) == selection)
    return;
  if (selection < 0)
    list->clearSelection();
  else
    list->setCurrentRow(selection);
}

void ShowLabel(QLabel *label, QString text) {
  text.remove(QLatin1Char('\r'));
  // Without a control to focus, Qt would show the "&" itself.
  if (label->buddy() == nullptr)
    text = WithoutMnemonics(text);
  if (label->text() != text)
    label->setText(text);
}

void ShowEdit(QWidget *widget, const TControlState &state) {
  if (auto *line = qobject_cast<QLineEdit *>(widget)) {
    QString text = FromProgramText(state.Text);
    if (line->text() != text)
      line->setText(text);
  } else if (auto *multi = qobject_cast<QPlainTextEdit *>(widget)) {
    QString text = ToEditText(state.Text);
    if (multi->toPlainText() != text)
      multi->setPlainText(text);
  }
  // Emphasised: bold, and framed in the text's colour.
  if (widget->font().bold() != state.Emphasised) {
    QFont font = widget->font();
    font.setBold(state.Emphasised);
    widget->setFont(font);
    widget->setStyleSheet(state.Emphasised ? QStringLiteral("QPlainTextEdit, QLineEdit { border: "
                                                            "2px solid palette(text); }")
                                           : QString());
  }
}

// What a screen reader calls the control: a name taken from a label is the
// label's words as the label shows them, in the interface's language.
QString AccessibleName(const TControlState &state, const char *context) {
  if (state.NameLabel.empty())
    return Translated(context, state.Name);
  return FromProgramText(SpokenLabel(ToWindows1252(Translated(context, state.NameLabel))));
}

} // namespace

QWidget *MakeControlWidget(const TControlTemplate &control, QWidget *dialog) {
  QWidget *widget = nullptr;
  switch (control.Kind) {
  case TControlKind::PushButton:
  case TControlKind::DefPushButton:
    widget = MakeButton(control, dialog);
    break;
  case TControlKind::AutoCheckBox:
    widget = new QCheckBox(dialog);
    break;
  case TControlKind::AutoRadioButton: {
    // The framework keeps a group's one check; the widget only mirrors it.
    // In a group that is not exclusive Qt unchecks no other button, while
    // the button stays auto-exclusive, which is what makes it a radio
    // button to a screen reader and not a check box.
    auto *radio = new QRadioButton(dialog);
    auto *mirrors = dialog->findChild<QButtonGroup *>(QString(), Qt::FindDirectChildrenOnly);
    if (mirrors == nullptr) {
      mirrors = new QButtonGroup(dialog);
      mirrors->setExclusive(false);
    }
    mirrors->addButton(radio);
    widget = radio;
    break;
  }
  case TControlKind::GroupBox:
    return MakeGroupBox(control, dialog);
  case TControlKind::ListBox:
    widget = MakeListBox(control, dialog);
    break;
  case TControlKind::Edit:
    widget = MakeEdit(control, dialog);
    break;
  case TControlKind::Static:
    return MakeStatic(control, dialog);
  case TControlKind::Icon:
    return MakeIcon(control, dialog);
  case TControlKind::Picture:
    return MakePicture(control, dialog);
  case TControlKind::Document:
    widget = new DocumentView(dialog);
    break;
  }
  // Tab visits the template's tab stops; the others take focus by a click.
  // Radio buttons are always reachable by Tab, besides the arrow keys'
  // walk through their group (the dialog's).
  bool tabStop = Has(control, WS_TABSTOP) || control.Kind == TControlKind::AutoRadioButton;
  widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  return widget;
}

void ShowControlState(QWidget *widget, const TControlState &state, const char *context) {
  widget->setEnabled(state.Enabled);
  // Without a name of its own a button is called by its text.
  if (QString name = AccessibleName(state, context); widget->accessibleName() != name)
    widget->setAccessibleName(name);
  const char *comment = state.Template.Comment.empty() ? nullptr : state.Template.Comment.c_str();
  QString text = Translated(context, state.Text, comment);
  switch (state.Template.Kind) {
  case TControlKind::PushButton:
  case TControlKind::DefPushButton:
    SetIfChanged(static_cast<QAbstractButton *>(widget), text);
    break;
  case TControlKind::AutoCheckBox:
  case TControlKind::AutoRadioButton: {
    auto *button = static_cast<QAbstractButton *>(widget);
    SetIfChanged(button, text);
    button->setChecked(state.Check == BF_CHECKED);
    break;
  }
  case TControlKind::GroupBox:
    if (auto *box = static_cast<QGroupBox *>(widget); box->title() != text)
      box->setTitle(text);
    break;
  case TControlKind::ListBox:
    ShowItems(static_cast<QListWidget *>(widget), state);
    break;
  case TControlKind::Edit:
    ShowEdit(widget, state);
    break;
  case TControlKind::Static:
    ShowLabel(static_cast<QLabel *>(widget), text);
    break;
  case TControlKind::Icon:
    break;
  case TControlKind::Picture:
    static_cast<PictureFrame *>(widget)->Show(state);
    break;
  case TControlKind::Document:
    static_cast<DocumentView *>(widget)->Show(state);
    break;
  }
}

void ShowWholeItemsOnly(QListWidget *list) {
  list->ensurePolished();
  auto *probe = new QListWidgetItem(QStringLiteral("Xg"), list);
  int row = list->sizeHintForRow(0);
  delete probe;
  int frame = 2 * list->frameWidth();
  int inner = list->height() - frame;
  if (row > 0 && inner > row)
    list->resize(list->width(), inner / row * row + frame);
}

int WidthForEntries(QListWidget *list) {
  auto *box = dynamic_cast<ListBox *>(list);
  if (box == nullptr || box->count() == 0)
    return 0;
  const int frame = 2 * box->frameWidth();
  int width = box->WidestEntry() + frame;
  const int rows = box->height() - frame;
  if (box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff &&
      box->count() * box->sizeHintForRow(0) > rows)
    width += box->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box);
  return width;
}

int SelectedRow(const QListWidget *list) {
  const QList<QListWidgetItem *> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.front());
}

bool TakesFocus(const TControlTemplate &control) {
  switch (control.Kind) {
  case TControlKind::GroupBox:
  case TControlKind::Static:
  case TControlKind::Icon:
  case TControlKind::Picture:
    return false;
  default:
    return true;
  }
}

QString ToEditText(std::string_view bytes) {
  QString text = FromProgramText(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

std::string FromEditText(const QString &text) {
  QString withReturns = text;
  withReturns.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return ToWindows1252(withReturns);
}

QString WithoutMnemonics(const QString &text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size())
      ++i;
    plain.append(text[i]);
  }
  return plain;
}

QPixmap ProgramIcon(int size) {
  return DrawIcon(1, size);
}
