// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window model: every window of both programs is a plain object made of
// these controls. Handlers change their properties; the Qt front end draws
// whatever they say and turns clicks and typing back into their events.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// Positions and sizes in twips (1/1440 inch); 15 twips make one pixel at 96 dpi.
struct Twips {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

constexpr int kTwipsPerPixel = 15;

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Arial is drawn with a metric-compatible face (Liberation Sans).
struct FontSpec {
  double points = 8.25;
  bool bold = false;
  bool underline = false;
};

enum class ControlKind {
  Label,
  CommandButton,
  TextBox,
  OptionButton,
  CheckBox,
  Image,
  Shape,
  Line,
  ListBox,      // entries with a current entry and, when multiSelect, a selection
  ComboBox,     // a text box with a drop-down list of entries
  ProgressBar,  // minimum, maximum, progress
  Timer,        // never drawn: raises onTimer every `interval` ms while enabled
  DriveList,    // the mounted volumes; text() is the current one
  FolderTree,   // folders only; text() is the current folder's path
  Chart,        // a line through `chartValues`, its caption as the title
};

enum class Alignment { Left, Center, Right };

class Control {
 public:
  Control(ControlKind kindOf, std::string nameOf, Twips at)
      : kind(kindOf), name(std::move(nameOf)), geometry(at) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlKind kind;
  const std::string name;
  Twips geometry;
  bool visible = true;
  bool enabled = true;

  // Shown when the pointer rests on the control; empty for none.
  std::string toolTip;

  // Labels and buttons; a progress bar's text over the bar, empty for none.
  std::string caption;
  FontSpec font;
  Alignment alignment = Alignment::Left;
  Rgb foreColor{0, 0, 0};
  Rgb backColor{255, 255, 255};

  // Text boxes: show dots for what is typed, as for a password.
  bool masked = false;

  // Images: the file whose picture the control stretches to its size. A file
  // that cannot be read leaves the picture that was there before.
  std::string picture;
  // False makes an image a picture box: the picture at its own size in the
  // top left corner, the rest of the box in backColor.
  bool stretch = true;

  // Lines: end points in twips, relative to the form.
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;

  // List and combo boxes. `selected` runs beside `items`; `listIndex` is the
  // current entry, -1 for none. A sorted list keeps its entries in
  // alphabetical order, ignoring case.
  std::vector<std::string> items;
  std::vector<bool> selected;
  int listIndex = -1;
  bool multiSelect = false;
  bool sorted = false;
  void addItem(const std::string& item);
  void clearItems();
  int listCount() const { return static_cast<int>(items.size()); }
  // The current entry's text, empty when there is none.
  std::string currentItem() const;

  // Progress bars.
  int minimum = 0;
  int maximum = 100;
  int progress = 0;

  // Charts: the values in order, one a step; from `chartMarkFrom` on they
  // are drawn in a colour of their own, named `chartMarkName`, the earlier
  // ones named `chartName`.
  std::vector<double> chartValues;
  std::size_t chartMarkFrom = 0;
  std::string chartName;
  std::string chartMarkName;

  // Timers: milliseconds between ticks; 0 stops them.
  int interval = 0;
  std::function<void()> onTimer;

  // What a screen reader says: a name where the caption does not tell or
  // there is none, and where useful a description. A control with a label
  // beside it names that label instead, so the name follows its caption.
  std::string accessibleName;
  std::string accessibleDescription;
  const Control* labelledBy = nullptr;

  std::function<void()> onClick;
  // Text boxes, combo boxes, drive lists and folder trees: the text changed.
  std::function<void()> onChange;
  // List boxes: a double click on an entry, or Enter, opens the current entry;
  // Backspace goes back.
  std::function<void()> onOpenEntry;
  std::function<void()> onGoBack;

  // What a person can click: a hidden or disabled control ignores it.
  void click() {
    if (onClick && enabled && visible) onClick();
  }

  // Text boxes: writing a different text raises the change event, whoever
  // writes it; writing the text already there raises nothing.
  const std::string& text() const { return text_; }
  void setText(std::string text);

  // Option buttons: selecting one clears the others of its group. Check
  // boxes: ticked or clear.
  bool value() const { return value_; }
  void setValue(bool value);
  void joinGroup(std::vector<Control*>* group) { group_ = group; }

 private:
  std::string text_;
  bool value_ = false;
  std::vector<Control*>* group_ = nullptr;
};

struct MenuItem {
  MenuItem(std::string nameOf, std::string captionOf)
      : name(std::move(nameOf)), caption(std::move(captionOf)) {}
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string name;
  std::string caption;
  bool enabled = true;
  bool visible = true;
  std::string shortcut;  // in Qt's portable text form, e.g. "Ctrl+H"; empty for none
  std::vector<MenuItem*> items;
  std::function<void()> onClick;

  void click() {
    if (onClick && enabled && visible) onClick();
  }
};

// A window: its own properties, its controls in drawing order (later ones lie
// on top) and its menu bar.
struct Form {
  std::string caption;
  int clientWidth = 0;  // twips
  int clientHeight = 0;
  // The outer height the program asks for; the client area shows this less
  // the title and menu bars of the original window.
  int height = 0;
  static constexpr int kCaptionAndMenuTwips = 810;
  Rgb backColor{255, 255, 255};
  std::string icon;  // icon file; empty for the program's own
  std::vector<Control*> controls;
  std::vector<MenuItem*> menus;
  // A handler sets this to unload (close) the window; the front end closes it
  // once the handler returns and clears it when the window is shown again.
  bool unloadRequested = false;
  // Dialogs: the controls Enter and Esc click.
  Control* defaultButton = nullptr;
  Control* cancelButton = nullptr;
  // The Esc key pressed in a main window; it also reaches a handler that is
  // waiting, so a long run can be stopped.
  std::function<void()> onEscape;
  // A key pressed in a main window, before the focused control sees it:
  // a letter as its capital ("H") or "Enter", pressed without Ctrl, Alt or
  // Meta. True when the form took the key; otherwise it goes on to the
  // focused control as usual.
  std::function<bool(const std::string& key)> onKey;
  // The desktop asks to close a main window (its close button, the window
  // menu, a log-out); false keeps it open. Not raised when a handler ends
  // the program.
  std::function<bool()> onQueryUnload;

  int visibleClientHeight() const { return height - kCaptionAndMenuTwips; }
};

}  // namespace platform
