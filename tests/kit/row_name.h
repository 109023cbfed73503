// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one way the test tables name their rows.

#include <gtest/gtest.h>

#include <string>

// Names a table-driven test's rows after their `name` member, so a failure names its row.
struct RowName
{
    template<class Row>
    std::string operator()(const testing::TestParamInfo<Row> &row) const
    {
        return row.param.name;
    }
};
