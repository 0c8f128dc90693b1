// Names parameterised tests after their case's `name` field, so that a
// failing case reads as what it tries instead of the bytes of its parameter.
#pragma once

#include <string>

#include <gtest/gtest.h>

namespace testsupport {

struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return std::string(info.param.name);
    }
};

}  // namespace testsupport
