// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The seven looks of the main window: a card colour and a background picture for each choice.
#pragma once

#include <QString>
#include <optional>

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// The plain grey look: the main window's own colour and its cards' colour, which the window
// has before any look is applied.
constexpr Rgb PlainWindowColour{180, 180, 180};
constexpr Rgb PlainCardColour{200, 200, 200};

// The card colour of a background choice, compared as text: "3" is a choice, " 3", "03" and
// "3 " are none, and give nothing.
std::optional<Rgb> backgroundCardColour(const QString &choice);

// Whether the choice is the plain look, which first greys the window and takes its picture away.
bool isPlainBackground(const QString &choice);

// The background picture of a choice: "\back\back" + the choice + ".jpg". A choice holding a
// path separator names no picture (only a hand-edited settings file gives one).
QString backgroundPicturePath(const QString &appFolder, const QString &choice);

// What a background choice does to the main window.
struct BackgroundLook {
    // The colour of the cards and of the controls that share it; nothing keeps the colours.
    std::optional<Rgb> card;
    // The plain look first greys the window and takes its picture away.
    bool plain = false;
    // The picture drawn behind the window; a path that gives no picture keeps the one shown.
    QString picture;
};
BackgroundLook backgroundLook(const QString &appFolder, const QString &choice);
