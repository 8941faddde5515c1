// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the settings file by line position, and the five lines the game writes.
#include "settings/settingsfile.h"

#include "i18n/messages.h"
#include "ui/apppaths.h"
#include "ui/localenumber.h"
#include "ui/textfile.h"

#include <charconv>
#include <cmath>

namespace {

// The game writes lines of a dozen bytes; nothing usable is this long.
constexpr LineLimits SettingsLimits{4 * 1024, 64 * 1024 * 1024};

// The shortest text that reads back as the same single-precision value: 0.4 stays "0.4".
QString shortestText(float value) {
    char buffer[32];
    // A language read as "-0" is written as "0".
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value == 0 ? 0.0f : value);
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

} // namespace

QString settingsFilePath(const QString &appFolder) {
    return appFile(appFolder, QStringLiteral("\\Kestrova.ini"));
}

void resetIniDefaults(IniValues &ini) {
    ini[Ini::Background] = QStringLiteral("0");
    ini[Ini::PictureSet] = QStringLiteral("0");
    ini[Ini::Sound] = QStringLiteral("1");
    ini[Ini::RiddleAtStart] = QStringLiteral("0");
    ini[Ini::Language] = QStringLiteral("1");
}

QString iniLineValue(const QString &line) {
    const int equals = line.indexOf(QLatin1Char('='));
    return equals < 0 ? line : line.mid(equals + 1);
}

void storeIniLines(IniValues &ini, const QStringList &lines) {
    // The key before the "=" is never looked at: a value's place is its line number.
    for (int n = 0; n < lines.size() && n < Ini::Places; ++n)
        ini[n] = iniLineValue(lines[n]);
}

std::optional<QStringList> readSettingsLines(const QString &path) {
    TextLineReader reader(path, SettingsLimits);
    if (!reader.isOpen())
        return std::nullopt;
    QStringList lines;
    // A line too long to be the game's holds no value it could use, nor could it be written back.
    while (lines.size() < Ini::Places) {
        const auto line = reader.next();
        if (!line || reader.lastLineCut())
            break;
        lines.append(*line);
    }
    return lines;
}

std::optional<int> wholeNumber(const QString &text) {
    const auto number = parseLocaleNumber(text.trimmed());
    if (!number || *number < -1e9 || *number > 1e9)
        return std::nullopt;
    return roundHalfEven(*number);
}

std::optional<int> optionIndex(const QString &text) {
    const auto index = wholeNumber(text);
    if (!index || *index < 0 || *index >= OptionCount)
        return std::nullopt;
    return index;
}

std::optional<bool> switchValue(const QString &text) {
    const auto value = wholeNumber(text);
    if (value == 0 || value == 1)
        return *value == 1;
    return std::nullopt;
}

std::optional<float> languageValue(const QString &text) {
    const auto number = parseLocaleNumber(text.trimmed());
    if (!number || std::abs(*number) > 1e30)
        return std::nullopt;
    return static_cast<float>(*number);
}

Choices iniChoices(const IniValues &ini) {
    Choices choices;
    choices.background = optionIndex(ini[Ini::Background]).value_or(0);
    choices.pictureSet = optionIndex(ini[Ini::PictureSet]).value_or(0);
    choices.sound = switchValue(ini[Ini::Sound]).value_or(true);
    choices.riddleAtStart = switchValue(ini[Ini::RiddleAtStart]).value_or(false);
    return choices;
}

Language iniLanguage(const IniValues &ini) {
    return Language::fromSetting(languageValue(ini[Ini::Language]).value_or(1));
}

QStringList settingsFileLines(const IniValues &ini, int soundValue, float language,
                              int riddleValue) {
    // The keys of the switches are written in lower case, as the game always wrote them.
    return {QStringLiteral("optFon=") + ini[Ini::Background],
            QStringLiteral("optP=") + ini[Ini::PictureSet],
            QStringLiteral("chks.Value=") + QString::number(soundValue),
            QStringLiteral("Localisation=") + shortestText(language),
            QStringLiteral("chkz.Value=") + QString::number(riddleValue)};
}

QString settingsNotSavedMessage(const QString &reason, bool russian) {
    return message(Msg::SettingsNotSaved, russian) + QLatin1Char('\n') + reason;
}
