#pragma once

// The Qt peers of framework windows: a frame (a main window with a menu bar
// around its client) and a plain window (a paint area with an optional
// vertical scroll bar). They turn what the user does into messages for
// their framework window.

#include <QMainWindow>
#include <QWidget>

class QScrollBar;
class TFrameWindow;
class TWindow;

class FrameWidget : public QMainWindow {
public:
  explicit FrameWidget(TFrameWindow &frame);
  // Builds the menu bar from the frame's menu (or hides it).
  void RebuildMenu();

protected:
  void closeEvent(QCloseEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;

private:
  void EnterMenuBar();

  TFrameWindow &frame_;
  bool altAlone_ = false;
  // F10 was pressed while the menus were hidden.
  bool menuKeyPending_ = false;
};

class PaintArea;

class WindowWidget : public QWidget {
public:
  WindowWidget(TWindow &window, QWidget *parent);
  // The area the window paints on (without the scroll bar).
  QWidget *Area() const;
  // Shows the scroller's range and position on the scroll bar.
  void SyncScrollBar();

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  TWindow &window_;
  PaintArea *area_;
  QScrollBar *scrollBar_ = nullptr;
  bool syncing_ = false;
};

// Whether a key event is one the frame's accelerators should see.
bool SendKeyToFrame(TFrameWindow &frame, QKeyEvent *event);

// The virtual key of a Qt key (framework/accelerator.h); 0 for one the
// program does not use.
unsigned VirtualKeyOfQt(int key);
