// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QString>
#include <QWidget>
#include <string_view>

#include "app/control_table.h"

namespace quillet::qt {

// The core's texts are UTF-8.
QString ToQString(std::string_view text);

// The font of the password boxes, with fallbacks that exist where its face does not: fontconfig
// knows no alias for it, and without the list Qt could pick a face without Japanese glyphs.
QFont PasswordQFont();

// A widget of the control's kind, placed (at the layout scale), captioned, named, coloured and
// described as the control table says. Values and focus order are the window's business.
QWidget* CreateWidget(const ControlLayout& layout, double layout_scale, QWidget* parent);

// Gives a control's widget its place at the layout scale.
void PlaceWidget(QWidget* widget, const ControlLayout& layout, double layout_scale);

}  // namespace quillet::qt
