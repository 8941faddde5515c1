// Every caption, tool tip and state that follows the interface language, as one table.
#pragma once

#include <vector>

namespace Caption {

enum class Window {
    Main,    // the main window
    Options, // the options window
    Texts,   // the program-wide language texts (headlines, help file, record name)
};

enum class Property {
    Caption, // a button's, label's or check box's text, or a frame's title
    Title,   // the window's own title
    ToolTip,
    Enabled, // "yes" or "no"
    Visible, // "yes" or "no"
    Texts,   // the ten language texts together
};

struct Row {
    Window window;
    // The control's name as the window gives it, such as "cmdTOP(0)"; "" is the window itself.
    const char *control;
    Property property;
    const char *russian;
    const char *english;
};

// The rows in the order they are applied.
const std::vector<Row> &rows();

} // namespace Caption
