// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <string>

namespace brindlecast::test {

// Names a parameterised case by the `name` field of its parameter, so that test names stay
// readable and the same from build to build.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& testCase) const
    {
        return testCase.param.name;
    }
};

} // namespace brindlecast::test
