// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/instance_lock.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using State = InstanceLock::State;

class InstanceLockTest : public ::testing::Test {
 protected:
  ~InstanceLockTest() override { fs::remove_all(folder); }
  const fs::path folder = testing_support::freshTempFolder("instance_lock");
  const fs::path file = folder / "data" / "tavorin.lock";
};

TEST_F(InstanceLockTest, TheFirstHoldsASecondIsRefusedUntilTheFirstLetsGo) {
  {
    InstanceLock first(file);
    EXPECT_EQ(first.state(), State::Held);
    EXPECT_TRUE(fs::exists(file)) << "the data folder is made for it";
    InstanceLock second(file);
    EXPECT_EQ(second.state(), State::HeldByOther);
  }
  InstanceLock after(file);
  EXPECT_EQ(after.state(), State::Held);
}

TEST_F(InstanceLockTest, AProcessThatDiesLetsGoOfTheLock) {
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    InstanceLock held(file);
    const char told = held.state() == State::Held ? 'y' : 'n';
    (void)!::write(ready[1], &told, 1);
    ::pause();  // until killed
    ::_exit(0);
  }
  char told = 0;
  ASSERT_EQ(::read(ready[0], &told, 1), 1);
  EXPECT_EQ(told, 'y');
  EXPECT_EQ(InstanceLock(file).state(), State::HeldByOther);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(InstanceLock(file).state(), State::Held);
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST_F(InstanceLockTest, ALockFileThatCannotBeMadeLeavesTheProgramUnguarded) {
  fs::create_directories(folder);
  std::ofstream(folder / "data") << "a file where the data folder should be";
  EXPECT_EQ(InstanceLock(file).state(), State::Unavailable);
}

}  // namespace
}  // namespace platform
