// SPDX-License-Identifier: MIT
// The core's costs per user action, with the system's random source, and the random source's
// throughput beside the system call it draws from.

#include <benchmark/benchmark.h>
#include <sys/random.h>

#include <cstdint>
#include <span>
#include <vector>

#include "app/form.h"
#include "password/character_sets.h"
#include "password/password_generator.h"
#include "password/system_random.h"

namespace quillet {
namespace {

constexpr int kMillion = 1'000'000;

void ClickWithLengths50And50(benchmark::State& state) {
  SystemRandom random;
  Form1 form(random);
  form.Load();
  form.SetText(Control::Text8, "50");
  form.SetText(Control::Text11, "50");
  for (auto _ : state) {
    form.Click(Control::Command1);
    benchmark::DoNotOptimize(form.Text(Control::Text10).data());
  }
}
BENCHMARK(ClickWithLengths50And50);

// Typing a digit and taking it back, in turn: each keystroke recalculates everything.
void CalculatorKeystroke(benchmark::State& state) {
  SystemRandom random;
  Form1 form(random);
  form.Load();
  form.SetText(Control::Text3, "10");
  form.SetText(Control::Text5, "5");
  bool longer = false;
  for (auto _ : state) {
    form.SetText(Control::Text2, longer ? "12345" : "1234");
    longer = !longer;
    benchmark::DoNotOptimize(form.Text(Control::Text7).data());
  }
}
BENCHMARK(CalculatorKeystroke);

// An arrow click on a scroll bar whose row shows a password: all three are drawn again.
void ScrollStepThatRegenerates(benchmark::State& state) {
  SystemRandom random;
  Form1 form(random);
  form.Load();
  form.SetText(Control::Text11, "50");
  form.Click(Control::Command1);
  int step = 1;
  for (auto _ : state) {
    form.SetValue(Control::HScroll1, form.Value(Control::HScroll1) + step);
    step = -step;
    benchmark::DoNotOptimize(form.Text(Control::Text9).data());
  }
}
BENCHMARK(ScrollStepThatRegenerates);

void RandomSourceMillionCharacters(benchmark::State& state) {
  SystemRandom random;
  for (auto _ : state) {
    const auto password = DrawPassword(random, AlnumChars, kMillion);
    if (!password) {
      state.SkipWithError("the system's random source failed");
      break;
    }
    benchmark::DoNotOptimize(password->data());
  }
  state.SetItemsProcessed(state.iterations() * kMillion);
}
BENCHMARK(RandomSourceMillionCharacters)->Unit(benchmark::kMillisecond);

// The baseline: the same number of 32-bit values straight from the kernel, in one request.
void RawGetrandomMillionValues(benchmark::State& state) {
  std::vector<std::uint32_t> values(kMillion);
  for (auto _ : state) {
    std::span<std::byte> rest = std::as_writable_bytes(std::span(values));
    while (!rest.empty()) {
      const ssize_t got = getrandom(rest.data(), rest.size(), 0);
      if (got < 0) {
        state.SkipWithError("getrandom failed");
        break;
      }
      rest = rest.subspan(static_cast<std::size_t>(got));
    }
    benchmark::DoNotOptimize(values.data());
  }
  state.SetItemsProcessed(state.iterations() * kMillion);
}
BENCHMARK(RawGetrandomMillionValues)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet

BENCHMARK_MAIN();
