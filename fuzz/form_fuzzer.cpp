// SPDX-License-Identifier: MIT
// Plays a user's session against the window's core: the input is read as a sequence of actions
// (typing, pasting and deleting in any box, scroll bar clicks and thumb releases, option changes,
// clicks on the button, a failing random source), and every rule of the window is checked after
// each one, and at each nested change within it.

#include <cstdint>
#include <optional>
#include <span>

#include "app/form.h"
#include "fuzz/action_observer.h"
#include "fuzz/byte_reader.h"
#include "fuzz/form_properties.h"
#include "fuzz/fuzz_random.h"
#include "fuzz/user_action.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillet;
  using namespace quillet::fuzz;

  FuzzRandom random;
  Form1 form(random);
  ActionObserver observer(form);
  form.SetListener(&observer);
  form.Load();

  FormProperties properties;
  ByteReader bytes(std::span(data, size));
  while (!bytes.AtEnd()) {
    const UserAction action = DecodeAction(bytes, form);
    const Snapshot before = Take(form, random);
    const auto* edit = std::get_if<EditText>(&action);
    observer.Begin(edit != nullptr ? std::optional(edit->box) : std::nullopt);
    Apply(action, form, random);
    properties.CheckAction(before, action, Take(form, random), observer);
  }
  return 0;
}
