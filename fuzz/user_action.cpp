// SPDX-License-Identifier: MIT

#include "fuzz/user_action.h"

#include <array>
#include <iterator>
#include <string_view>
#include <vector>

namespace quillet::fuzz {
namespace {

// What a key or an input method can put into a box, one character each: what numbers are written
// with, in ASCII and full width, and some that no number holds.
constexpr std::array<std::string_view, 33> kKeys = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  ".",
    ",",  "+",  "-",  "e",  "E",  " ",  "\t", "a",  "x",  "０", "１",
    "５", "９", "．", "，", "－", "＋", "ｅ", "Ｅ", "　", "桁", std::string_view("\0", 1),
};

// Where each character of a UTF-8 text starts, and where the text ends.
std::vector<std::size_t> CharacterBounds(const std::string& text) {
  std::vector<std::size_t> bounds;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U) {
      bounds.push_back(i);
    }
  }
  bounds.push_back(text.size());
  return bounds;
}

enum class EditKind { Type, Paste, Delete };

EditText DecodeEdit(ByteReader& bytes, const Form1& form, EditKind kind) {
  const Control box = kTextBoxes[bytes.Below(std::size(kTextBoxes))];
  const std::string& text = form.Text(box);
  const std::vector<std::size_t> bounds = CharacterBounds(text);
  const std::size_t characters = bounds.size() - 1;
  const std::size_t caret = bytes.Below(characters + 1);
  std::size_t selected = bytes.Below(characters - caret + 1);

  std::string inserted;
  if (kind == EditKind::Type) {
    inserted = kKeys[bytes.Below(kKeys.size())];
  } else if (kind == EditKind::Paste) {
    for (std::size_t count = 1 + bytes.Below(16); count > 0; --count) {
      inserted += kKeys[bytes.Below(kKeys.size())];
    }
  } else if (selected == 0 && caret < characters) {
    selected = 1;  // the Delete key takes the character after the caret
  }
  return {box, text.substr(0, bounds[caret]) + inserted + text.substr(bounds[caret + selected])};
}

Control Bar(ByteReader& bytes) {
  return kScrollBars[bytes.Below(std::size(kScrollBars))];
}

}  // namespace

UserAction DecodeAction(ByteReader& bytes, const Form1& form) {
  switch (bytes.Below(9)) {
    case 0:
    case 1:
      return DecodeEdit(bytes, form, EditKind::Type);
    case 2:
      return DecodeEdit(bytes, form, EditKind::Paste);
    case 3:
      return DecodeEdit(bytes, form, EditKind::Delete);
    case 4: {
      const Control bar = Bar(bytes);
      return StepScrollBar{bar, bytes.Below(2) == 0 ? -1 : 1};
    }
    case 5: {
      const Control bar = Bar(bytes);
      return ReleaseThumb{bar, 1 + static_cast<int>(bytes.Below(50))};
    }
    case 6:
      return SelectOption{bytes.Below(2) == 0 ? Control::Option1 : Control::Option2};
    case 7:
      return ClickButton{};
    default:
      return BreakRandomSource{static_cast<unsigned>(bytes.Below(131))};
  }
}

void Apply(const UserAction& action, Form1& form, FuzzRandom& random) {
  struct Visitor {
    Form1& form;
    FuzzRandom& random;
    void operator()(const EditText& edit) const { form.SetText(edit.box, edit.text); }
    void operator()(const StepScrollBar& step) const {
      form.SetValue(step.bar, form.Value(step.bar) + step.step);
    }
    void operator()(const ReleaseThumb& release) const {
      form.SetValue(release.bar, release.value);
    }
    void operator()(const SelectOption& select) const { form.Select(select.option); }
    void operator()(const ClickButton&) const { form.Click(Control::Command1); }
    void operator()(const BreakRandomSource& fault) const { random.FailAfter(fault.after_draws); }
  };
  std::visit(Visitor{form, random}, action);
}

}  // namespace quillet::fuzz
