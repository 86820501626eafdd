#pragma once
// Names for the cases of parameterised suites. Every table row carries a `name`; the
// suite lists its cases by it and a failure prints it, instead of the row's bytes
// (pointers among them, so they differ from build to build).
//
//   using pemlar::test::PrintTo;  // in the namespace of the row type, for lookup by type
//   INSTANTIATE_TEST_SUITE_P(Cases, Suite, ::testing::Values(...), pemlar::test::caseName);

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pemlar::test {

template <class Case>
concept NamedCase = requires(const Case& c) {
    std::string(c.name);
};

struct CaseName {
    template <NamedCase Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return std::string(info.param.name);
    }
};

inline constexpr CaseName caseName;

template <NamedCase Case>
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

}  // namespace pemlar::test
