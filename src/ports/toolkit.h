// The window toolkit, reduced to what the program asks of it: one main
// window with a panel, two list boxes, two push buttons, an edit field and a
// status panel, message processing on demand, and an error report. Each
// toolkit (Qt, Win32, the in-memory one of the tests) implements these and
// delivers the window's events to a WindowHandlers object through the one
// WindowDelivery.
//
// Texts are Windows-1250 bytes; a toolkit converts them at its edge.
#pragma once

#include <string>
#include <string_view>

namespace zbk {

class ListBox {
 public:
  virtual ~ListBox() = default;
  virtual void Clear() = 0;
  // Appends a row at the end, or at its sorted place while the list is sorted.
  void Add(std::string_view row) { AddJoined(row, {}); }
  // Adds the row made of `head` followed by `tail`, as Add would; while the
  // list is not sorted the row is written once, the pieces not joined first.
  virtual void AddJoined(std::string_view head, std::string_view tail) = 0;
  virtual int Count() const = 0;
  virtual std::string Row(int index) const = 0;
  virtual void Replace(int index, std::string_view row) = 0;
  // The selected row, rows counted from 0; -1 for none.
  virtual int Selected() const = 0;
  // Selects a row (-1: none) and scrolls it into view.
  virtual void Select(int index) = 0;
  // Switching sorted order on re-sorts the rows present; switching it off
  // keeps their order.
  virtual void SetSorted(bool on) = 0;
  virtual bool Sorted() const = 0;
  // Takes the input focus; the list's enter handler runs if the focus moved.
  virtual void Focus() = 0;
};

class Button {
 public:
  virtual ~Button() = default;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool on) = 0;
};

class EditField {
 public:
  virtual ~EditField() = default;
  virtual std::string Text() const = 0;
  virtual void Focus() = 0;
};

class Panel {
 public:
  virtual ~Panel() = default;
  virtual void SetCaption(std::string_view caption) = 0;
};

class MainWindow {
 public:
  virtual ~MainWindow() = default;
  virtual void SetCaption(std::string_view caption) = 0;
  virtual int ScreenWidth() const = 0;
  virtual void SetLeft(int left) = 0;
  virtual void SetTop(int top) = 0;
  virtual void SetWidth(int width) = 0;
  virtual int Height() const = 0;
  virtual void SetHeight(int height) = 0;
  virtual int ClientWidth() const = 0;
  virtual int ClientHeight() const = 0;
  // The panel Pan that carries every widget.
  virtual void SetPanelSize(int width, int height) = 0;
  virtual int PanelHeight() const = 0;
  // Lets the toolkit handle every message already waiting (repaints, clicks,
  // timer ticks), dispatching each to its handler; never waits for more.
  virtual void ProcessMessages() = 0;
  // Closes the window, which ends the program once the running handler has
  // returned to the message loop.
  virtual void Close() = 0;
  // The window has been asked to close and will once the running handler
  // has returned (or has closed).
  virtual bool Closing() const = 0;
};

// The widgets of the main window, by their names in the layout.
struct Widgets {
  MainWindow& Fo;
  ListBox& Li;
  ListBox& L;
  Button& Yes;
  EditField& E;
  Panel& Pa;
};

// What happens to the window; each event runs one handler of the window.
enum class WindowEvent {
  kCreated,
  kTimerTick,
  kActionClicked,     // the action button Yes
  kStopClicked,       // the stop button Esc
  kSortClicked,       // AZ
  kEqualSizeClicked,  // X2
  kDriveListEntered,  // Li received the input focus
  kResultListEntered,
  kQueryEntered,
};

// The controls that take the input focus, in tab order.
enum class FocusControl { kLi, kL, kE };

class WindowHandlers {
 public:
  virtual ~WindowHandlers() = default;
  virtual void Run(WindowEvent event) = 0;
};

}  // namespace zbk
