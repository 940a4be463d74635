#include <gtest/gtest.h>

#include "calc/validation.h"

namespace orvanta {
namespace {

TEST(ValidateData, AcceptsNumbersOfAnySizeAndSign) {
    EXPECT_TRUE(ValidateData("100000", "6.5", "30"));
    EXPECT_TRUE(ValidateData(" 5 ", "0", "-5"));
    EXPECT_TRUE(ValidateData("$100,000", "(5)", "2.5"));
    EXPECT_TRUE(ValidateData("1,000", "1E3", "0"));
}

TEST(ValidateData, RefusesAnEmptyOrNonNumericEntryWhereverItStands) {
    const std::string good = "30";
    for (const std::string bad : {"", "   ", "12a", "abc", "1E309"}) {
        EXPECT_FALSE(ValidateData(bad, good, good)) << '"' << bad << '"';
        EXPECT_FALSE(ValidateData(good, bad, good)) << '"' << bad << '"';
        EXPECT_FALSE(ValidateData(good, good, bad)) << '"' << bad << '"';
    }
}

}  // namespace
}  // namespace orvanta
