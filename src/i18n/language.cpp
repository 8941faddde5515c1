// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which language label a settings number marks.
#include "i18n/language.h"

#include "ui/localenumber.h"

int Language::markedLabel() const {
    const int label = roundHalfEven(m_setting);
    return label == 0 || label == 1 ? label : -1;
}
