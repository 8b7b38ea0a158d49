// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "transfer/control/inet.h"
#include "transfer/ftp_fixture.h"

namespace transfer::testing {
namespace {

using HoldTest = FtpTest;

TEST_F(HoldTest, WaitsForTheTimersTickWhileHandlingEvents) {
  int waits = 0;
  host.onWait = [&] {
    EXPECT_TRUE(f.Timer1.enabled);
    EXPECT_EQ(f.Timer1.interval, 1000);
    if (++waits == 3) f.Timer1.onTimer();
  };
  Hold(f, 1);
  EXPECT_EQ(waits, 3);
  EXPECT_FALSE(f.Timer1.enabled);
}

TEST_F(HoldTest, AFinishedRequestEndsTheWaitAtOnce) {
  for (int state : {kStateError, kStateResponseCompleted}) {
    SCOPED_TRACE(state);
    const int before = host.eventRounds;
    host.post([&f = f, state] { f.Inet1->StateChanged(state); });
    Hold(f, 1);
    EXPECT_EQ(host.eventRounds, before + 1);
  }
}

}  // namespace
}  // namespace transfer::testing
