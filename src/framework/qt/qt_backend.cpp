#include "framework/qt/qt_backend.h"

#include <algorithm>
#include <optional>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "framework/application.h"
#include "framework/close_signals.h"
#include "framework/dialog.h"
#include "framework/frame_window.h"
#include "framework/message_box.h"
#include "framework/message_queue.h"
#include "framework/qt/qt_accessible.h"
#include "framework/qt/qt_dialog.h"
#include "framework/qt/qt_frame_placement.h"
#include "framework/qt/qt_session_bus.h"
#include "framework/qt/qt_translation.h"
#include "framework/qt/qt_widgets.h"
#include "framework/qt/qt_window_forward.h"
#include "framework/qt/text_codec.h"
#include "framework/window.h"
#include "platform/file_lock.h"

namespace {

QWidget *WidgetOf(const TWindow *window) {
  return window != nullptr ? static_cast<QWidget *>(window->Peer) : nullptr;
}

// The widget a window paints on: the paint area of a plain window, the
// central widget of a frame.
QWidget *AreaOf(const TWindow &window) {
  if (auto *plain = dynamic_cast<WindowWidget *>(WidgetOf(&window)))
    return plain->Area();
  if (auto *frame = dynamic_cast<FrameWidget *>(WidgetOf(&window)))
    return frame->centralWidget() != nullptr ? frame->centralWidget() : frame;
  return WidgetOf(&window);
}

QMessageBox::Icon IconOf(unsigned style) {
  switch (style & MB_ICONMASK) {
  case MB_ICONHAND:
    return QMessageBox::Critical;
  case MB_ICONQUESTION:
    return QMessageBox::Question;
  case MB_ICONEXCLAMATION:
    return QMessageBox::Warning;
  case MB_ICONASTERISK:
    return QMessageBox::Information;
  default:
    return QMessageBox::NoIcon;
  }
}

// The family's name in code page 1252, or nothing when that cannot hold it
// exactly: such a name could not be stored in the settings file.
// A family that more than one foundry makes comes as "Family [foundry]"
// each; the plain name finds it too.
std::optional<std::string> StorableFamilyName(QString family) {
  if (qsizetype foundry = family.lastIndexOf(QStringLiteral(" ["));
      foundry > 0 && family.endsWith(u']'))
    family.truncate(foundry);
  std::string name = ToWindows1252(family);
  if (name.find('?') != std::string::npos || FromProgramText(name) != family)
    return std::nullopt;
  return name;
}

// A modal box keeps its nested loop running: cancel each.
void CancelModalBoxes() {
  for (int guard = 0; guard < 16; ++guard) {
    QWidget *modal = QApplication::activeModalWidget();
    if (modal == nullptr)
      break;
    if (auto *dialog = qobject_cast<QDialog *>(modal))
      dialog->reject();
    else
      modal->close();
    QApplication::processEvents();
  }
}

// Whether widget is the main window's: its close ends the program.
bool IsMainWindow(const QWidget *widget) {
  TApplication *app = TheApplication();
  TFrameWindow *main = app != nullptr ? app->GetMainWindow() : nullptr;
  return main != nullptr && main->IsCreated() && main->Peer == widget;
}

} // namespace

QtBackend::QtBackend()
    : waitPainter_([this](QWidget *closed) {
        if (!IsMainWindow(closed))
          return false;
        CloseWhenIdle();
        return true;
      }),
      previous_(HasBackend() ? &CurrentBackend() : nullptr) {
  SetBackend(this);
  // A settings write that waits for another program's lock paints too.
  previousLockWait_ = platform::SetLockWaitHook([this] { (void)PaintWhileBusy(); });
}

QtBackend::~QtBackend() {
  for (auto &[key, timer] : timers_)
    delete timer;
  platform::SetLockWaitHook(std::move(previousLockWait_));
  SetBackend(previous_);
}

void QtBackend::CreatePeer(TWindow &window) {
  QWidget *parent = WidgetOf(window.Parent());
  if (auto *dialog = dynamic_cast<TDialog *>(&window)) {
    // A dialog is a window of its own, kept above the window it belongs to.
    auto *widget = new DialogWidget(*dialog, parent != nullptr ? parent->window() : nullptr);
    window.Peer = widget;
    widget->setWindowFlag(Qt::WindowStaysOnTopHint, (window.Attr.ExStyle & WS_EX_TOPMOST) != 0);
    if (dialog->IsModal())
      widget->setWindowModality(Qt::ApplicationModal);
    widget->Open();
    return;
  }
  if (auto *frame = dynamic_cast<TFrameWindow *>(&window); frame != nullptr && parent == nullptr) {
    auto *widget = new FrameWidget(*frame);
    window.Peer = widget;
    widget->setWindowFlag(Qt::WindowStaysOnTopHint, (window.Attr.ExStyle & WS_EX_TOPMOST) != 0);
    widget->RebuildMenu();
    PlaceFrame(widget, QRect(window.Attr.X, window.Attr.Y, window.Attr.W, window.Attr.H));
    widget->show();
    return;
  }
  auto *widget = new WindowWidget(window, parent);
  window.Peer = widget;
  if (window.ReadableParts())
    MakeReadable(widget->Area(), window);
  if (auto *frame = dynamic_cast<FrameWidget *>(parent)) {
    frame->setCentralWidget(widget);
  } else if (parent == nullptr) {
    widget->setGeometry(window.Attr.X, window.Attr.Y, window.Attr.W, window.Attr.H);
  }
  widget->SyncScrollBar();
  widget->show();
}

void QtBackend::DestroyPeer(TWindow &window) {
  for (auto it = timers_.begin(); it != timers_.end();) {
    if (it->first.first == &window) {
      delete it->second;
      it = timers_.erase(it);
    } else {
      ++it;
    }
  }
  QWidget *widget = WidgetOf(&window);
  window.Peer = nullptr;
  if (widget == nullptr)
    return;
  if (auto *plain = dynamic_cast<WindowWidget *>(widget))
    ForgetReadable(plain->Area());
  // The framework's dialog may be gone before the widget is.
  if (auto *dialog = dynamic_cast<DialogWidget *>(widget))
    dialog->Detach();
  // The widget may be inside one of its own event handlers.
  widget->hide();
  widget->setParent(nullptr);
  widget->deleteLater();
}

void QtBackend::ReadablePartsChanged(TWindow &window) {
  if (auto *plain = dynamic_cast<WindowWidget *>(WidgetOf(&window)))
    AnnounceReadableChange(plain->Area());
}

void QtBackend::CaptionChanged(TWindow &window) {
  QWidget *widget = WidgetOf(&window);
  if (widget == nullptr)
    return;
  if (const auto *dialog = dynamic_cast<const TDialog *>(&window))
    widget->setWindowTitle(Translated(dialog->Template().Name.c_str(), window.Title()));
  else
    widget->setWindowTitle(TranslatedTitle(window.Title()));
}

void QtBackend::MenuChanged(TFrameWindow &frame) {
  if (auto *widget = dynamic_cast<FrameWidget *>(WidgetOf(&frame)))
    widget->RebuildMenu();
}

void QtBackend::ScrollerChanged(TWindow &window) {
  if (auto *widget = dynamic_cast<WindowWidget *>(WidgetOf(&window)))
    widget->SyncScrollBar();
}

void QtBackend::Invalidate(TWindow &window, bool) {
  // Qt always paints the background of the area first.
  if (QWidget *area = AreaOf(window))
    area->update();
}

void QtBackend::SetTopmost(TWindow &window, bool topmost) {
  QWidget *widget = WidgetOf(&window);
  if (widget == nullptr || !widget->isWindow())
    return;
  // Setting the widget's flags would hide the window and show it again,
  // which on Wayland places it anew: the window itself is told instead,
  // where the platform allows (a Wayland compositor ignores the request).
  Qt::WindowFlags flags = widget->windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
  widget->overrideWindowFlags(flags);
  if (QWindow *handle = widget->windowHandle())
    handle->setFlags(flags);
}

TRect QtBackend::ClientRect(const TWindow &window) const {
  QWidget *area = AreaOf(window);
  if (area == nullptr)
    return TRect{0, 0, window.Attr.W, window.Attr.H};
  return TRect{0, 0, area->width(), area->height()};
}

// Qt's Base and Text roles are the page of a text view (its Window role is
// the face of dialogs); a style sheet sets them too.
TPageColors QtBackend::PageColors(const TWindow &window) const {
  QWidget *area = AreaOf(window);
  const QPalette colours = area != nullptr ? area->palette() : QApplication::palette();
  auto colour = [&](QPalette::ColorRole role) {
    const QColor c = colours.color(QPalette::Active, role);
    return MakeColor(c.red(), c.green(), c.blue());
  };
  return TPageColors{colour(QPalette::Base), colour(QPalette::Text)};
}

TRect QtBackend::WindowRect(const TWindow &window) const {
  QWidget *widget = WidgetOf(&window);
  if (widget == nullptr)
    return TRect{window.Attr.X, window.Attr.Y, window.Attr.X + window.Attr.W,
                 window.Attr.Y + window.Attr.H};
  QRect frame = SavedFrame(widget);
  return TRect{frame.left(), frame.top(), frame.left() + frame.width(),
               frame.top() + frame.height()};
}

TSize QtBackend::ScreenSize() const {
  QScreen *screen = QGuiApplication::primaryScreen();
  if (screen == nullptr)
    return TSize{640, 480};
  return TSize{screen->geometry().width(), screen->geometry().height()};
}

std::vector<std::string> QtBackend::FontFamilies() const {
  std::vector<std::string> names{"System"};
  for (const QString &family : QFontDatabase::families())
    if (std::optional<std::string> name = StorableFamilyName(family);
        name && std::find(names.begin(), names.end(), *name) == names.end())
      names.push_back(std::move(*name));
  return names;
}

TFontDesc QtBackend::ReadableFont() const {
  const QFont text = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  QFont serif(QStringLiteral("Serif"));
  serif.setStyleHint(QFont::Serif);
  if (text.pointSizeF() > 0)
    serif.setPointSizeF(text.pointSizeF());
  else
    serif.setPixelSize(text.pixelSize());
  const QString family = QFontInfo(serif).family();
  TFontDesc font;
  if (std::optional<std::string> name = StorableFamilyName(family))
    font.FaceName = std::move(*name);
  font.Height = std::clamp(QFontMetrics(serif).height(), 12, 48);
  return font;
}

bool QtBackend::StartTimer(TWindow &window, unsigned id, unsigned periodMs) {
  StopTimer(window, id);
  auto *timer = new QTimer;
  timer->setInterval(static_cast<int>(periodMs));
  TWindow *target = &window;
  QObject::connect(timer, &QTimer::timeout, [target, id] { target->PostMessage(WM_TIMER, id); });
  timer->start();
  timers_[{&window, id}] = timer;
  return true;
}

void QtBackend::StopTimer(TWindow &window, unsigned id) {
  auto found = timers_.find({&window, id});
  if (found == timers_.end())
    return;
  delete found->second;
  timers_.erase(found);
}

void QtBackend::WatchSockets(const std::vector<int> &fds, std::function<void(int)> ready) {
  // A socket that left the list may be closed already: its notifier must
  // stop now, before the loop polls it again, not when it is deleted.
  for (QSocketNotifier *notifier : notifiers_) {
    notifier->setEnabled(false);
    notifier->deleteLater();
  }
  notifiers_.clear();
  socketReady_ = std::move(ready);
  for (int fd : fds) {
    auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    QObject::connect(notifier, &QSocketNotifier::activated, this, [this, fd] {
      if (socketReady_) {
        std::function<void(int)> ready = socketReady_;
        ready(fd);
      }
    });
    notifiers_.push_back(notifier);
  }
}

bool QtBackend::PaintWhileBusy() {
  // The loop may not get to the signal pipe while the program waits.
  if (TakeCloseSignalNow())
    CloseWhenIdle();
  const bool escape = waitPainter_.PaintPending();
  return escape || ProgramClosing();
}

void QtBackend::CloseWhenIdle() {
  AskProgramToClose();
  if (closeScheduled_)
    return;
  closeScheduled_ = true;
  QTimer::singleShot(0, this, [this] { CloseFromOutermostLoop(); });
}

// The code that waits or opened a modal box is still on the stack, and goes
// on with the main window once its wait or box is over: the window closes
// from the outermost loop, when those callers have returned. They return
// soon, as every wait ends and no new box opens while the program closes.
void QtBackend::CloseFromOutermostLoop() {
  // A wait runs nothing but painting (this timer fires there too): it ends
  // first, seeing the program close.
  if (!waitPainter_.Waiting()) {
    CancelModalBoxes();
    if (!InModalLoop()) {
      closeScheduled_ = false;
      CloseMainWindowForSignal();
      return;
    }
  }
  QTimer::singleShot(10, this, [this] { CloseFromOutermostLoop(); });
}

SessionBus *QtBackend::Bus() {
  if (!bus_)
    bus_ = std::make_unique<QtSessionBus>([this] { return PaintWhileBusy(); });
  return bus_->Connected() ? bus_.get() : nullptr;
}

ForwardOutcome QtBackend::BringProgramForward(std::optional<int> processId,
                                              std::string_view windowClass) {
  return BringWindowForward(processId, windowClass);
}

bool QtBackend::SetClipboardText(std::string_view text) {
  QClipboard *clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr)
    return false;
  clipboard->setText(FromProgramText(text));
  return true;
}

bool QtBackend::SetClipboardUtf8(std::string_view text) {
  QClipboard *clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr)
    return false;
  clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  return true;
}

std::string QtBackend::InterfaceLanguage() const {
  return InterfaceTranslated() ? QLocale::languageToCode(QLocale().language()).toStdString()
                               : std::string("en");
}

std::string QtBackend::Translate(const char *context, std::string_view source) const {
  return InterfaceTranslated() ? ToWindows1252(Translated(context, source)) : std::string(source);
}

int QtBackend::ShowMessageBox(TWindow *owner, std::string_view text, std::string_view caption,
                              unsigned style) {
  QWidget *parent = owner != nullptr ? WidgetOf(owner) : nullptr;
  if (parent != nullptr)
    parent = parent->window();
  QMessageBox box(parent);
  box.setWindowTitle(Translated("Messages", caption));
  box.setText(Translated("Messages", text));
  box.setIcon(IconOf(style));
  if ((style & 0x0F) == MB_YESNO) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  // A task-modal box blocks every window of the program, not just its owner.
  box.setWindowModality((style & MB_TASKMODAL) != 0 || parent == nullptr ? Qt::ApplicationModal
                                                                         : Qt::WindowModal);
  ++modalDepth_;
  int chosen = box.exec();
  --modalDepth_;
  if (chosen == QMessageBox::Yes)
    return IDYES;
  if (chosen == QMessageBox::No)
    return IDNO;
  return IDOK;
}

void QtBackend::RunModal(TDialog &dialog) {
  if (QWidget *widget = WidgetOf(&dialog); widget != nullptr && !widget->isModal()) {
    // Modality only takes effect when the window is shown.
    bool visible = widget->isVisible();
    widget->hide();
    widget->setWindowModality(Qt::ApplicationModal);
    if (visible)
      widget->show();
  }
  // A nested loop: the rest of the program goes on (timers, posted
  // messages) while the dialog waits for its user.
  ++modalDepth_;
  MessageQueue().DispatchPending();
  while (!dialog.Ended() && dialog.IsCreated()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    MessageQueue().DispatchPending();
  }
  --modalDepth_;
}

void QtBackend::ControlChanged(TDialog &dialog, int id) {
  if (DialogWidget *widget = DialogWidgetOf(dialog))
    widget->ShowControl(id);
}

void QtBackend::Activate(TWindow &window) {
  QWidget *widget = WidgetOf(&window);
  if (widget == nullptr)
    return;
  widget = widget->window();
  if (widget->isMinimized())
    widget->showNormal();
  widget->raise();
  widget->activateWindow();
}

void QtBackend::RunMessageLoop(TMessageQueue &queue) {
  queue_ = &queue;
  QEventLoop loop;
  loop_ = &loop;
  DeliverPosted();
  if (!queue.QuitPosted())
    loop.exec();
  loop_ = nullptr;
  queue_ = nullptr;
}

void QtBackend::MessagePosted() {
  if (deliveryScheduled_)
    return;
  deliveryScheduled_ = true;
  QTimer::singleShot(0, this, [this] { DeliverPosted(); });
}

void QtBackend::DeliverPosted() {
  if (waitPainter_.Waiting()) {
    // The program waits for a DDE partner: posted messages wait too.
    QTimer::singleShot(0, this, [this] { DeliverPosted(); });
    return;
  }
  deliveryScheduled_ = false;
  if (queue_ == nullptr)
    return;
  queue_->DispatchPending();
  if (queue_->QuitPosted() && loop_ != nullptr)
    loop_->exit(queue_->ExitStatus());
}
