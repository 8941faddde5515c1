// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every caption, tool tip and state of the windows' controls that follows the interface
// language, as one table.
#pragma once

#include <vector>

namespace Caption {

// The controls the table names; each window knows which of its controls is which.
enum class Control {
    // The main window.
    Clear,
    Options,
    Help,
    Records,
    KindQuestion,
    ToRecords,
    End,
    Else,
    SoundLabel,
    MakerLabel,
    RiddleLabel,
    // The options window.
    OptionsWindow,
    BackgroundFrame,
    PicturesFrame,
    SoundFrame,
    SoundSwitch,
    ApplyBackground,
    ApplyPictures,
    Cancel,
    EraseSwitch,
    RiddlesFrame,
    RiddleSwitch,
    RecordsFrame,
};

enum class Property {
    Caption, // a button's, label's or check box's text, a frame's title, a window's title
    ToolTip,
    Enabled, // "yes" or "no"
    Visible, // "yes" or "no"
};

struct Row {
    Control control;
    Property property;
    const char *russian;
    const char *english;
};

// The rows in the order they are applied.
const std::vector<Row> &rows();

} // namespace Caption
