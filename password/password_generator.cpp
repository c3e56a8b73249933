// SPDX-License-Identifier: MIT

#include "password/password_generator.h"

#include <algorithm>

#include "app/form.h"
#include "password/character_sets.h"
#include "password/length_selector.h"
#include "password/uniform_index.h"
#include "password/wipe.h"

namespace quillet {

std::optional<std::string> DrawPassword(RandomSource& source, std::string_view characters,
                                        int length) {
  std::string password;
  password.reserve(static_cast<std::size_t>(std::max(length, 0)));
  for (int i = 0; i < length; ++i) {
    const auto position = UniformIndex(source, static_cast<std::uint32_t>(characters.size()));
    if (!position) {
      Wipe(password);
      return std::nullopt;
    }
    password.push_back(characters[*position]);
  }
  return password;
}

void Command1_Click(Form1& form) {
  const std::string_view characters = form.Selected(Control::Option1) ? HexDigits : AlnumChars;
  const int first_length = LengthFromText(form.Text(Control::Text8)).value_or(0);
  const int second_length = LengthFromText(form.Text(Control::Text11)).value_or(0);

  auto fixed = DrawPassword(form.Random(), characters, kFixedPasswordLength);
  auto first = fixed ? DrawPassword(form.Random(), characters, first_length) : std::nullopt;
  auto second = first ? DrawPassword(form.Random(), characters, second_length) : std::nullopt;
  if (!second) {
    // The passwords already drawn are abandoned: none of them stays in memory.
    for (auto* drawn : {&fixed, &first}) {
      if (*drawn) {
        Wipe(**drawn);
      }
    }
    form.ReportRandomFailure();
    return;
  }
  form.SetText(Control::Text1, std::move(*fixed));
  form.SetText(Control::Text9, std::move(*first));
  form.SetText(Control::Text10, std::move(*second));
}

}  // namespace quillet
