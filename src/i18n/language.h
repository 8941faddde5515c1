// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The interface language: Russian or English, and the number the settings file keeps for it.
#pragma once

#include <optional>

enum class Lang { Russian, English };

class Language {
  public:
    constexpr Language() = default;
    constexpr explicit Language(Lang lang) : m_setting(lang == Lang::Russian ? 0.0f : 1.0f) {}
    // The settings file's number as read: 0 is Russian, 1 English. Another number (a hand-edited
    // "0.4") is kept exactly, chooses no language and is written back as it was read.
    static constexpr Language fromSetting(float setting) {
        Language language;
        language.m_setting = setting;
        return language;
    }

    constexpr float setting() const { return m_setting; }
    // The language the number chooses, or nothing for a number that is neither 0 nor 1.
    constexpr std::optional<Lang> chosen() const {
        if (m_setting == 0)
            return Lang::Russian;
        if (m_setting == 1)
            return Lang::English;
        return std::nullopt;
    }
    // Messages are Russian only for a chosen Russian; anything else speaks English.
    constexpr bool russian() const { return chosen() == Lang::Russian; }
    constexpr bool english() const { return chosen() == Lang::English; }
    // The label ("Rus" 0, "Eng" 1) shown as chosen: the nearest one, ties to the even; -1 for
    // a number nearer to neither.
    int markedLabel() const;

  private:
    float m_setting = 1;
};
