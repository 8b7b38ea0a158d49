// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the handlers need of the real desktop. The Qt front end implements it;
// tests use a scripted fake, so every handler runs without a display.

#include <functional>
#include <string>

namespace platform {

struct Form;

enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };

class Host {
 public:
  virtual ~Host() = default;

  // A modal message box with the program's title, or `title` when it is not
  // empty.
  virtual MessageAnswer messageBox(const std::string& text, MessageButtons buttons,
                                   const std::string& title) = 0;
  MessageAnswer messageBox(const std::string& text, MessageButtons buttons) {
    return messageBox(text, buttons, {});
  }
  // Shows a window modally; returns when it is closed.
  virtual void showModal(Form& form) = 0;
  // Lets pending window events run (clicks, repaints, timers) and returns.
  virtual void doEvents() = 0;
  // Like doEvents, but first sleeps until at least one event is there, so a
  // wait loop does not spin.
  virtual void waitForEvents() = 0;
  // Runs the callable on the user-interface thread as one more event; safe
  // to call from any thread.
  virtual void post(std::function<void()> task) = 0;
  // Ends the program once the running handler returns.
  virtual void endProgram() = 0;
  // Opens a file or web address with the desktop's default handler, in a
  // window of its own. False when nothing could be started for it, or a file
  // named is not there: no viewer would say so.
  virtual bool openInBrowser(const std::string& target) = 0;
};

}  // namespace platform
