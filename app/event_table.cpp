// SPDX-License-Identifier: MIT

#include "app/event_table.h"

#include <cstddef>

#include "app/box_roles.h"
#include "app/form_load.h"
#include "app/interest_procedure.h"
#include "app/password_procedures.h"

namespace quillet {
namespace {

struct Route {
  Control control;
  void (*procedure)(Form1&);
};

constexpr Route kChangeRoutes[] = {
    {Control::HScroll1, HScroll1_Change},
    {Control::HScroll2, HScroll2_Change},
    {Control::Text8, Text8_Change},
    {Control::Text11, Text11_Change},
    // Each of the calculator's inputs does nothing on a change but recalculate.
    {kCalculator.amount, CalcInterest},
    {kCalculator.years, CalcInterest},
    {kCalculator.months, CalcInterest},
    {kCalculator.rate, CalcInterest},
};

constexpr Route kClickRoutes[] = {
    {Control::Command1, Command1_Click},
};

template <std::size_t N>
void Run(const Route (&routes)[N], Form1& form, Control control) {
  for (const Route& route : routes) {
    if (route.control == control) {
      route.procedure(form);
    }
  }
}

}  // namespace

void RunChangeProcedure(Form1& form, Control control) {
  Run(kChangeRoutes, form, control);
}

void RunClickProcedure(Form1& form, Control control) {
  Run(kClickRoutes, form, control);
}

void RunLoadProcedure(Form1& form) {
  Form_Load(form);
}

}  // namespace quillet
