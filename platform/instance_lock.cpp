// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace platform {

InstanceLock::InstanceLock(const std::filesystem::path& file) {
  std::error_code ignored;
  std::filesystem::create_directories(file.parent_path(), ignored);
  fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return;
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    state_ = State::Held;
    return;
  }
  state_ = errno == EWOULDBLOCK ? State::HeldByOther : State::Unavailable;
  ::close(fd_);
  fd_ = -1;
}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace platform
