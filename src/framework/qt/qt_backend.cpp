#include "framework/qt/qt_backend.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include "framework/message_box.h"
#include "framework/message_queue.h"
#include "framework/qt/text_codec.h"
#include "framework/window.h"

namespace {

// The peer of one framework window. Closing it from the desktop asks the
// framework window, which decides and destroys the peer itself.
class WindowWidget : public QWidget {
public:
  WindowWidget(TWindow &window, QWidget *parent) : QWidget(parent), window_(window) {
    setWindowTitle(FromWindows1252(window.Title()));
  }

protected:
  void closeEvent(QCloseEvent *event) override {
    event->ignore();
    window_.HandleMessage(TMessage{WM_CLOSE, 0, 0});
  }

private:
  TWindow &window_;
};

QWidget *WidgetOf(const TWindow *window) {
  return window != nullptr ? static_cast<QWidget *>(window->Peer) : nullptr;
}

} // namespace

QtBackend::QtBackend() : previous_(HasBackend() ? &CurrentBackend() : nullptr) {
  SetBackend(this);
}

QtBackend::~QtBackend() {
  SetBackend(previous_);
}

void QtBackend::CreatePeer(TWindow &window) {
  QWidget *parent = WidgetOf(window.Parent());
  auto *widget = new WindowWidget(window, parent);
  window.Peer = widget;
  if (parent == nullptr) {
    widget->resize(640, 480);
    widget->show();
    return;
  }
  // A frame's client fills the frame.
  if (parent->layout() == nullptr) {
    auto *layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  parent->layout()->addWidget(widget);
  widget->show();
}

void QtBackend::DestroyPeer(TWindow &window) {
  QWidget *widget = WidgetOf(&window);
  window.Peer = nullptr;
  if (widget == nullptr)
    return;
  // The widget may be inside one of its own event handlers.
  widget->hide();
  widget->deleteLater();
}

void QtBackend::CaptionChanged(TWindow &window) {
  if (QWidget *widget = WidgetOf(&window))
    widget->setWindowTitle(FromWindows1252(window.Title()));
}

int QtBackend::ShowMessageBox(TWindow *owner, std::string_view text, std::string_view caption,
                              unsigned style) {
  QMessageBox box(WidgetOf(owner));
  box.setWindowTitle(FromWindows1252(caption));
  box.setText(FromWindows1252(text));
  switch (style & MB_ICONMASK) {
  case MB_ICONHAND:
    box.setIcon(QMessageBox::Critical);
    break;
  case MB_ICONQUESTION:
    box.setIcon(QMessageBox::Question);
    break;
  case MB_ICONEXCLAMATION:
    box.setIcon(QMessageBox::Warning);
    break;
  case MB_ICONASTERISK:
    box.setIcon(QMessageBox::Information);
    break;
  default:
    break;
  }
  if ((style & 0x0F) == MB_YESNO) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  // A task-modal box blocks every window of the program, not just its owner.
  box.setWindowModality((style & MB_TASKMODAL) != 0 || owner == nullptr ? Qt::ApplicationModal
                                                                        : Qt::WindowModal);
  int chosen = box.exec();
  if (chosen == QMessageBox::Yes)
    return IDYES;
  if (chosen == QMessageBox::No)
    return IDNO;
  return IDOK;
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
  deliveryScheduled_ = false;
  if (queue_ == nullptr)
    return;
  queue_->DispatchPending();
  if (queue_->QuitPosted() && loop_ != nullptr)
    loop_->exit(queue_->ExitStatus());
}
