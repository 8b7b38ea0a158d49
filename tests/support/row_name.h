// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names each row of a table of cases after the row's own `name`, so a failure
// says which row broke.

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

struct RowName {
  template <typename Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
    return row.param.name;
  }
};

}  // namespace testing_support
