// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file: five choices of the player kept by line position between runs.
#pragma once

#include "i18n/language.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// Positions of the settings in IniValue; a sixth line is kept in place 5 and never used.
namespace Ini {
constexpr int Background = 0;
constexpr int PictureSet = 1;
constexpr int Sound = 2;
constexpr int Language = 3;
constexpr int RiddleAtStart = 4;
constexpr int Places = 6;
} // namespace Ini

using IniValues = std::array<QString, Ini::Places>;

// Seven option buttons choose a background and a picture set.
constexpr int OptionCount = 7;

// The file the game reads at start and writes when the options are saved.
QString settingsFilePath(const QString &appFolder);

// Puts the defaults into places 0 to 4: background 0, picture set 0, sound on, English,
// no riddle at start. Place 5 keeps what it holds.
void resetIniDefaults(IniValues &ini);

// The value of one line: everything after its first "=", or the whole line without one.
QString iniLineValue(const QString &line);

// Stores the value of line n in place n. Lines past the sixth are ignored.
void storeIniLines(IniValues &ini, const QStringList &lines);

// The file's first six lines, read one by one whatever the file's size, up to a line far too
// long to be the game's; nothing when the file is missing or unreadable. Places without a line
// keep their defaults.
std::optional<QStringList> readSettingsLines(const QString &path);

// A text read as a whole number: a decimal number (blanks around it allowed, "." or ","
// as the separator) rounded to the nearest whole number, ties to the even one.
std::optional<int> wholeNumber(const QString &text);

// The option button a text names, or nothing when it names none of the seven.
std::optional<int> optionIndex(const QString &text);

// A switch's stored value: 0 off, 1 on; nothing for any other text.
std::optional<bool> switchValue(const QString &text);

// The stored language as a single-precision number, kept as it is (0.4 stays 0.4); nothing
// when the text is not a number a float can hold.
std::optional<float> languageValue(const QString &text);

// What the options window's controls stand for.
struct Choices {
    int background = 0;
    int pictureSet = 0;
    bool sound = true;
    bool riddleAtStart = false;
    bool eraseRecords = false;
};

// The choices the settings name; what cannot be used falls back to its default (the erase tick
// is never stored).
Choices iniChoices(const IniValues &ini);
// The interface language the settings name, English when they name no number.
Language iniLanguage(const IniValues &ini);

// The five lines the game writes, from the stored background and picture set and the present
// sound switch, language and riddle switch.
QStringList settingsFileLines(const IniValues &ini, int soundValue, float language,
                              int riddleValue);

// What to tell the player when the settings could not be saved.
QString settingsNotSavedMessage(const QString &reason, bool russian);
