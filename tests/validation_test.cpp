#include <gtest/gtest.h>

#include "calc/validation.h"

namespace orvanta {
namespace {

// Numbers of any size and sign pass; an empty or non-numeric entry fails wherever it stands.
TEST(ValidateData, AcceptsAnyNumberAndRefusesAnEmptyOrNonNumericEntry) {
    EXPECT_TRUE(ValidateData(" 5 ", "0", "-5"));
    EXPECT_TRUE(ValidateData("$100,000", "(5)", "1E3"));
    const std::string good = "30";
    for (const std::string bad : {"", "   ", "12a", "1E309"}) {
        EXPECT_FALSE(ValidateData(bad, good, good)) << '"' << bad << '"';
        EXPECT_FALSE(ValidateData(good, bad, good)) << '"' << bad << '"';
        EXPECT_FALSE(ValidateData(good, good, bad)) << '"' << bad << '"';
    }
}

}  // namespace
}  // namespace orvanta
