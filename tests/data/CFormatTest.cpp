#include "data/CFormat.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace vimo;

TEST(CFormat, fixedMatchesPrintfNineFour)
{
    EXPECT_EQ(cformat::fixed(0, 4, 9), "   0.0000");
    EXPECT_EQ(cformat::fixed(12.5, 4, 9), "  12.5000");
    EXPECT_EQ(cformat::fixed(-3.25, 4, 9), "  -3.2500");
    EXPECT_EQ(cformat::fixed(123456.78901, 4, 9), "123456.7890");
    EXPECT_EQ(cformat::fixed(0.00005, 4, 0), "0.0001"); // round half to even on the binary value, like printf
    EXPECT_EQ(cformat::fixed(1.0, 6), "1.000000");
}

TEST(CFormat, generalMatchesPrintfG)
{
    EXPECT_EQ(cformat::general(20), "20");
    EXPECT_EQ(cformat::general(0.1), "0.1");
    EXPECT_EQ(cformat::general(125.3), "125.3");
    EXPECT_EQ(cformat::general(1234567), "1.23457e+06");
    EXPECT_EQ(cformat::general(0.0001), "0.0001");
    EXPECT_EQ(cformat::general(0.00001), "1e-05");
    EXPECT_EQ(cformat::general(-99999), "-99999");
    EXPECT_EQ(cformat::general(3.5, 6, 6), "   3.5");
}

TEST(CFormat, integerPadsLikePercentFiveD)
{
    EXPECT_EQ(cformat::integer(1, 5), "    1");
    EXPECT_EQ(cformat::integer(-42), "-42");
    EXPECT_EQ(cformat::integer(16711680), "16711680");
}

TEST(CFormat, scanSampleLineFormats)
{
    double t = -1, a = -1;
    std::int32_t mark = -1, tag = -1;
    EXPECT_EQ(cformat::scan("   0.0000,    1.5000, 1, 0", "%lf, %lf, %d, %d", {&t, &a, &mark, &tag}), 4);
    EXPECT_DOUBLE_EQ(t, 0.0);
    EXPECT_DOUBLE_EQ(a, 1.5);
    EXPECT_EQ(mark, 1);
    EXPECT_EQ(tag, 0);
    // Blanks in the format match any white space, also none.
    EXPECT_EQ(cformat::scan("3,4,0", "%lf, %lf, %d", {&t, &a, &tag}), 3);
    // Stops at the first field that does not match; earlier fields stay stored.
    tag = 7;
    EXPECT_EQ(cformat::scan("3, x, 0", "%lf, %lf, %d", {&t, &a, &tag}), 1);
    EXPECT_EQ(tag, 7);
    EXPECT_EQ(cformat::scan("", "%lf", {&t}), 0);
    EXPECT_EQ(cformat::scan("1e3,.5", "%lf,%lf", {&t, &a}), 2);
    EXPECT_DOUBLE_EQ(t, 1000);
    EXPECT_DOUBLE_EQ(a, 0.5);
}

TEST(CFormat, nanInfAndOverflowDoNotParse)
{
    double v = 42;
    EXPECT_FALSE(cformat::parseDouble("nan", v));
    EXPECT_FALSE(cformat::parseDouble("inf", v));
    EXPECT_FALSE(cformat::parseDouble("-infinity", v));
    EXPECT_FALSE(cformat::parseDouble("1e999", v));
    EXPECT_FALSE(cformat::parseDouble("0x10", v) && v != 0); // hex floats: only the leading 0 is read
    EXPECT_TRUE(cformat::parseDouble("  -12.5xyz", v));
    EXPECT_DOUBLE_EQ(v, -12.5);
}

TEST(CFormat, integersSaturateToThirtyTwoBits)
{
    std::int32_t v = 0;
    EXPECT_TRUE(cformat::parseInt("99999999999999999999", v));
    EXPECT_EQ(v, std::numeric_limits<std::int32_t>::max());
    EXPECT_TRUE(cformat::parseInt("-99999999999", v));
    EXPECT_EQ(v, std::numeric_limits<std::int32_t>::min());
    EXPECT_TRUE(cformat::parseInt("+17 rest", v));
    EXPECT_EQ(v, 17);
    EXPECT_FALSE(cformat::parseInt("-", v));
}

TEST(CFormat, commaDecimalLocaleChangesNothing_locale)
{
    // The test binary inherits the caller's locale; force a comma-decimal one if the machine has it.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 not generated on this machine";
    EXPECT_EQ(cformat::fixed(12.5, 4, 9), "  12.5000");
    EXPECT_EQ(cformat::general(0.25), "0.25");
    double v = 0;
    EXPECT_TRUE(cformat::parseDouble("12.5", v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(CFormat, fixedGivesTheExactConversionsDigitsForEveryValue)
{
    // The fast path for moderate values must agree with the exact conversion, ties and near-ties included.
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> moderate(-2e5, 2e5);
    std::uniform_int_distribution<int> exponent(-12, 12);
    std::vector<double> values = {0.0,  -0.0,  0.00005, 0.00015,         0.03125,        -0.03125,
                                  2.5,  0.5,   1e9,     99999.99995,     -1e-300,        1.5e-5,
                                  4.35, 0.125, 1e5,     99999.999949999, 0.0004999999999};
    for (int i = 0; i < 50000; ++i) {
        const double v = moderate(random);
        values.push_back(v);
        values.push_back(std::round(v * 10000) / 10000 + 0.00005); // near a tie at four decimals
        values.push_back(v * std::pow(10.0, exponent(random)));
    }
    char reference[400];
    for (const double v : values) {
        for (const int precision : {0, 4, 6}) {
            const auto end =
                std::to_chars(reference, reference + sizeof reference, v, std::chars_format::fixed, precision).ptr;
            ASSERT_EQ(cformat::fixed(v, precision), QByteArray(reference, end - reference))
                << std::hexfloat << v << " precision " << precision;
        }
    }
}

TEST(CFormat, parsedDoublesEqualTheExactConversion)
{
    // Plain decimals take a fast path; it must give the correctly rounded value like from_chars.
    std::mt19937_64 random(5);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(1, 17);
    for (int i = 0; i < 100000; ++i) {
        std::string text = i % 2 ? "-" : "";
        const int n = length(random);
        const int point = std::uniform_int_distribution<int>(0, n)(random);
        for (int d = 0; d < n; ++d) {
            if (d == point)
                text += '.';
            text += char('0' + digit(random));
        }
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        double parsed = -1;
        ASSERT_TRUE(cformat::parseDouble(text, parsed)) << text;
        ASSERT_EQ(parsed, expected) << text;
        ASSERT_EQ(std::signbit(parsed), std::signbit(expected)) << text;
    }
}
