// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The windows' side of the interface language: the "Rus" and "Eng" labels, and a caption-table
// row put onto a control.
#pragma once

#include "i18n/captiontable.h"
#include "i18n/language.h"

#include <QRect>
#include <array>
#include <functional>
#include <utility>
#include <vector>

class ClickLabel;
class QWidget;

using LanguageLabels = std::array<ClickLabel *, 2>;

// The labels "Rus" and "Eng" of a window, in bold; a click chooses the label's language.
LanguageLabels makeLanguageLabels(QWidget *parent, const std::array<QRect, 2> &places,
                                  const std::function<void(Lang)> &choose);

// The chosen language's label is black, the other one dark red; their spoken names follow a
// chosen language.
void markLanguageLabels(const LanguageLabels &labels, const Language &language);

// A window's controls that the caption table names.
using CaptionedControls = std::vector<std::pair<Caption::Control, QWidget *>>;

// Puts the caption table's texts for `language` onto the controls, row by row: a caption,
// title or tool tip, or whether the control is enabled or shown.
void applyCaptions(const CaptionedControls &controls, Lang language);
