// SPDX-License-Identifier: MIT

#include "convert/text_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "convert/format_grouped.h"
#include "convert/round_half_even.h"

namespace quillet {
namespace {

struct TextToDoubleCase {
  std::string text;
  std::optional<double> expected;
};

TEST(TextToDouble, ReadsNumbersAsUsersTypeThem) {
  const TextToDoubleCase cases[] = {
      {"12", 12},
      {" 12 ", 12},
      {"\t7\t", 7},
      {"1,234.5", 1234.5},
      {"61,725,000", 61725000},
      {"1,2,3,4", 1234},  // group sizes are not checked
      {"1,", 1},
      {"-0.5", -0.5},
      {"+3", 3},
      {".5", 0.5},
      {"5.", 5},
      {"-.25", -0.25},
      {"1E5", 1e5},
      {"2.5e-3", 2.5e-3},
      {"1e+2", 100},
      {"1.5E+15", 1.5e15},
      {"0.1", 0.1},  // the nearest double, as the compiler reads it
      {"1.7976931348623157E+308", std::numeric_limits<double>::max()},
      {"4.9E-324", std::numeric_limits<double>::denorm_min()},
      {"1E-400", 0.0},  // too small for a double: the nearest double is zero
      {"0E999999999999999999999", 0.0},
      {"０１２", 12},                 // full-width digits from a Japanese input method
      {"－１，２３４．５", -1234.5},  // full-width sign and separators
      {"\u3000５\u3000", 5},          // ideographic spaces
      {"１Ｅ３", 1000},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(TextToDouble(text), expected) << "text: '" << text << "'";
  }
}

TEST(TextToDouble, FailsOnWhatIsNoNumber) {
  const std::string failing[] = {
      "",      " ",     "\u3000", "+",   "-",     ".",     "e5",     "1a",
      "a1",    "1 2",   "1E",     "1E+", "1e5.5", ",5",    "--1",    "+-1",
      "1.2.3", "1..2",  "0x10",   "(5)", "¥100",  "1E400", "-1E400", "1e99999999999999999999",
      "１ａ",  "1.5,0", "五",     "1\n",
  };
  for (const std::string& text : failing) {
    EXPECT_EQ(TextToDouble(text), std::nullopt) << "text: '" << text << "'";
  }
}

TEST(TextToDouble, ReadsNegativeZeroAsZero) {
  const auto value = TextToDouble("-0");
  ASSERT_TRUE(value);
  EXPECT_EQ(*value, 0.0);
  EXPECT_EQ(DoubleToText(*value), "0");
}

struct DoubleToTextCase {
  double value;
  std::string expected;
};

TEST(DoubleToText, WritesFifteenSignificantDigits) {
  const DoubleToTextCase cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {200, "200"},
      {1233.5, "1233.5"},
      {100.0 / 12.0, "8.33333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {-0.5, "-0.5"},
      {0.1 + 0.2, "0.3"},
      {24.999999999999996, "25"},
      {-1e-5, "-0.00001"},
      {123456.789012345678, "123456.789012346"},
      {999999999999999.0, "999999999999999"},
      {999999999999999.5, "1E+15"},  // rounds up to 16 digits: the exponent form takes over
      {1e15, "1E+15"},
      {1234567890123456789.0, "1.23456789012346E+18"},
      {-2.5e20, "-2.5E+20"},
      {9.99999e-6, "9.99999E-06"},
      {4.9e-324, "4.94065645841247E-324"},
      // Rounded to nearest, the largest doubles would show a number beyond the double range.
      {std::numeric_limits<double>::max(), "1.79769313486231E+308"},
      {-1.797693134862315e308, "-1.79769313486231E+308"},
      {1.797693134862314e308, "1.79769313486231E+308"},
      {std::numeric_limits<double>::infinity(), ""},
      {std::nan(""), ""},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(DoubleToText(value), expected) << "value: " << value;
  }
}

TEST(DoubleToText, ReadsBackAsTheNumberItShows) {
  const double values[] = {1.0 / 3.0,
                           -2.0 / 3.0,
                           1e15,
                           1e-5,
                           1e-6,
                           123456789.123456789,
                           std::numeric_limits<double>::denorm_min(),
                           6.02214076e23,
                           -1e300,
                           std::numeric_limits<double>::max(),
                           -std::numeric_limits<double>::max()};
  for (const double value : values) {
    const std::string text = DoubleToText(value);
    const auto back = TextToDouble(text);
    ASSERT_TRUE(back) << text;
    EXPECT_EQ(DoubleToText(*back), text);
    EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14) << text;
  }
}

struct RoundCase {
  double value;
  double expected;
};

TEST(RoundHalfEven, SendsTiesToTheEvenNumber) {
  const RoundCase cases[] = {
      {2.5, 2},
      {3.5, 4},
      {199.5, 200},
      {24.5, 24},
      {-0.5, 0},
      {-1.5, -2},
      {-2.5, -2},
      {1233.7, 1234},
      {0.49999999999999994, 0},
      {-7.6, -8},
      {4503599627370497.0, 4503599627370497.0},  // above 2^52 all are whole
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(RoundHalfEven(value), expected) << "value: " << value;
  }
  EXPECT_TRUE(std::signbit(RoundHalfEven(-0.5)));
}

struct TextToShortCase {
  std::string text;
  std::optional<std::int16_t> expected;
};

TEST(TextToShort, RoundsHalfToEvenWithinTheShortRange) {
  const TextToShortCase cases[] = {
      {"10", 10},
      {"2.5", 2},
      {"3.5", 4},
      {"7.6", 8},
      {"-0.4", 0},
      {"32767", 32767},
      {"32767.5", std::nullopt},
      {"-32768", -32768},
      {"-32768.5", -32768},
      {"-32769", std::nullopt},
      {"40000", std::nullopt},
      {"", std::nullopt},
      {"abc", std::nullopt},
      {"1E9", std::nullopt},
      {"05", 5},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(TextToShort(text), expected) << "text: '" << text << "'";
  }
}

TEST(ShortToText, WritesPlainDigits) {
  EXPECT_EQ(ShortToText(10), "10");
  EXPECT_EQ(ShortToText(50), "50");
  EXPECT_EQ(ShortToText(-32768), "-32768");
  EXPECT_EQ(ShortToText(0), "0");
}

TEST(FormatGrouped, GroupsThousands) {
  const DoubleToTextCase cases[] = {
      {0, ""},
      {-0.0, ""},
      {0.4, ""},
      {200, "200"},
      {1000, "1,000"},
      {-1234, "-1,234"},
      {61725000, "61,725,000"},
      {100000, "100,000"},
      {999999999999999, "999,999,999,999,999"},
      {1e20, "100,000,000,000,000,000,000"},
      {1234567890123456789.0, "1,234,567,890,123,460,000"},  // 15 significant digits
      {2.5, "2"},
      {std::numeric_limits<double>::infinity(), ""},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(FormatGrouped(value), expected) << "value: " << value;
  }
}

TEST(FormatGrouped, ReadsBackAsTheWholeNumber) {
  for (const double value : {1.0, -12.0, 1234.0, -999999.0, 1e14 + 1, -987654321012345.0}) {
    EXPECT_EQ(TextToDouble(FormatGrouped(value)), value);
  }
  EXPECT_EQ(TextToDouble(FormatGrouped(std::numeric_limits<double>::max())), 1.79769313486231e308);
}

}  // namespace
}  // namespace quillet
