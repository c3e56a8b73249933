// SPDX-License-Identifier: MIT

#include "app/form_load.h"

#include "app/form.h"
#include "convert/text_number.h"

namespace quillet {

void Form_Load(Form1& form) {
  for (const auto& [box, scroll_bar] : {std::pair{Control::Text8, Control::HScroll1},
                                        std::pair{Control::Text11, Control::HScroll2}}) {
    if (const auto length = TextToShort(form.Text(box))) {
      form.SetValue(scroll_bar, *length);
    }
  }
}

}  // namespace quillet
