// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One running copy per data folder: two copies on one player file would each
// write their own bank over the other's.

#include <filesystem>

namespace platform {

class InstanceLock {
 public:
  enum class State {
    Held,         // this process holds the lock until it ends
    HeldByOther,  // another running process holds it
    Unavailable,  // the lock file cannot be made; the program runs unguarded
  };

  // Makes the folder if need be and takes an exclusive lock on the file. The
  // system drops the lock when the process ends, however it ends, so a crash
  // leaves nothing that blocks the next start.
  explicit InstanceLock(const std::filesystem::path& file);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  State state() const { return state_; }

 private:
  int fd_ = -1;
  State state_ = State::Unavailable;
};

}  // namespace platform
