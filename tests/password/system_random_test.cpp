// SPDX-License-Identifier: MIT

#include "password/system_random.h"

#include <gtest/gtest.h>
#if defined(__linux__)
#include <sys/wait.h>
#endif

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/form.h"
#include "password/character_sets.h"
#include "password/password_generator.h"

namespace quillet {
namespace {

#if defined(__linux__)
TEST(SystemRandomDeathTest, NeverReportsAFailedFillAsDone) {
  // The system may not write where the program may only read, as into a string literal's storage:
  // the kernel refuses, or a generator in user space faults, in a child process of its own.
  auto* read_only = reinterpret_cast<std::byte*>(const_cast<char*>("the program's own text"));
  EXPECT_EXIT(
      std::exit(FillFromSystem({read_only, 8}) ? 0 : 1),
      [](int status) { return !WIFEXITED(status) || WEXITSTATUS(status) != 0; }, "");
}
#endif

TEST(SystemRandom, UsesEveryCharacterEvenly) {
  // 62 characters × 3000 expected each. With 61 degrees of freedom the chi-square statistic
  // exceeds 120 with a probability of about 10^-5, so this fails only on a real bias.
  SystemRandom random;
  constexpr int kPerCharacter = 3000;
  const auto password = DrawPassword(random, AlnumChars, 62 * kPerCharacter);
  ASSERT_TRUE(password);
  std::array<int, 128> counts{};
  for (const char c : *password) {
    ++counts[static_cast<unsigned char>(c)];
  }
  double chi_square = 0;
  for (const char c : AlnumChars) {
    const double difference = counts[static_cast<unsigned char>(c)] - kPerCharacter;
    chi_square += difference * difference / kPerCharacter;
  }
  EXPECT_LT(chi_square, 120.0);

  const auto hex = DrawPassword(random, HexDigits, 16 * 200);
  ASSERT_TRUE(hex);
  for (const char c : HexDigits) {
    EXPECT_NE(hex->find(c), std::string::npos) << c;
  }
}

TEST(SystemRandom, AClickAsksTheSystemForWhatItDrawsAndNothingMore) {
  // A draw of 2^32 - 1 is thrown back for 62 characters, and another is asked for in its place.
  constexpr std::uint32_t kThrownBack = 0xFFFFFFFF;
  struct Case {
    Control option;
    std::string first_length, second_length;
    std::vector<std::uint32_t> thrown_back_at;  // which draws, counted from 0
    std::size_t draws;
  };
  const Case cases[] = {
      {Control::Option1, "10", "20", {}, 60},
      {Control::Option2, "1", "50", {0, 40}, 83},
      {Control::Option2, "0", "abc", {29}, 31},
  };
  for (const Case& scenario : cases) {
    std::vector<std::size_t> requests;
    SystemRandom random([&](std::span<std::byte> bytes) {
      const auto draw = static_cast<std::uint32_t>(requests.size());
      const bool thrown_back = std::ranges::count(scenario.thrown_back_at, draw) > 0;
      const std::uint32_t value = thrown_back ? kThrownBack : draw;
      std::memcpy(bytes.data(), &value, std::min(bytes.size(), sizeof value));
      requests.push_back(bytes.size());
      return true;
    });
    Form1 form(random);
    form.Load();
    form.Select(scenario.option);
    form.SetText(Control::Text8, scenario.first_length);
    form.SetText(Control::Text11, scenario.second_length);
    form.Click(Control::Command1);
    EXPECT_EQ(requests, std::vector<std::size_t>(scenario.draws, sizeof(std::uint32_t)))
        << scenario.first_length << ", " << scenario.second_length;
  }
}

TEST(SystemRandom, TwoClicksDrawDifferentPasswords) {
  SystemRandom random;
  Form1 form(random);
  form.Load();
  form.Click(Control::Command1);
  const std::string first = form.Text(Control::Text1);
  form.Click(Control::Command1);
  EXPECT_NE(form.Text(Control::Text1), first);
}

}  // namespace
}  // namespace quillet
