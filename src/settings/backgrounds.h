// The seven looks of the main window: a card colour and a background picture for each choice.
#pragma once

#include <QString>
#include <optional>

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The main window's own colour, used when the plain grey look is chosen.
constexpr Rgb PlainWindowColour{180, 180, 180};

// The card colour of a background choice, compared as text: "3" is a choice, " 3", "03" and
// "3 " are none, and give nothing.
std::optional<Rgb> backgroundCardColour(const QString &choice);

// Whether the choice is the plain look, which first greys the window and takes its picture away.
bool isPlainBackground(const QString &choice);

// The background picture of a choice: "\back\back" + the choice + ".jpg". A choice holding a
// path separator names no picture (only a hand-edited settings file gives one).
QString backgroundPicturePath(const QString &appFolder, const QString &choice);
