#include "export/number_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>

#include "core/rules.h"

using vh::AppendNumberText;

namespace {
std::string Text(float v) {
    std::string t;
    AppendNumberText(t, v);
    return t;
}
}  // namespace

TEST(NumberTextWriter, WritesTheFamiliarForms) {
    EXPECT_EQ(Text(12.3456789f), "12.34568");
    EXPECT_EQ(Text(2.0f), "2");
    EXPECT_EQ(Text(-0.25f), "-0.25");
    EXPECT_EQ(Text(0.5f), "0.5");
    EXPECT_EQ(Text(-16.0f), "-16");
    EXPECT_EQ(Text(12345678.0f), "1.234568E+07");
    EXPECT_EQ(Text(0.0f), "0");
    EXPECT_EQ(Text(-0.0f), "0");
    EXPECT_EQ(Text(4096.0f), "4096");
    EXPECT_EQ(Text(1234567.0f), "1234567");
    EXPECT_EQ(Text(-1.2345678e7f), "-1.234568E+07");
    EXPECT_EQ(Text(-0.0001234568f), "-0.0001234568");
}

TEST(NumberTextWriter, MatchesTheSharedRuleOnSpecialValues) {
    const float values[] = {1e7f,
                            9999999.0f,
                            9999999.5f,
                            0.0001f,
                            0.00001f,
                            1e-5f,
                            1.5e-8f,
                            16777216.f,
                            -4096.f,
                            1234567.5f,
                            3.4028235e38f,
                            1e-45f,
                            0.1f,
                            0.3333333f,
                            -8.5f,
                            100.0f,
                            std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()};
    for (float v : values) EXPECT_EQ(Text(v), vh::NumberText(v)) << v;
}

TEST(NumberTextWriter, MatchesTheSharedRuleOnRandomFloats) {
    std::mt19937 gen(12345);
    std::uniform_int_distribution<uint32_t> bits;
    std::uniform_real_distribution<float> heights(-8192.0f, 8192.0f);
    for (int i = 0; i < 200000; ++i) {
        uint32_t b = bits(gen);
        float v;
        std::memcpy(&v, &b, sizeof v);
        ASSERT_EQ(Text(v), vh::NumberText(v)) << b;
        float h = heights(gen);
        ASSERT_EQ(Text(h), vh::NumberText(h)) << h;
    }
}

TEST(NumberTextWriter, NeverExceedsItsStatedLength) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<uint32_t> bits;
    char buf[vh::kNumberTextMax];
    for (int i = 0; i < 100000; ++i) {
        uint32_t b = bits(gen);
        float v;
        std::memcpy(&v, &b, sizeof v);
        ASSERT_LE(vh::WriteNumberText(buf, v), vh::kNumberTextLongest);
    }
}
