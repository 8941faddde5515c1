// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file in any state: read by line position into the six places, the values read as
// the options window reads them, and the five lines the game writes read back the same.
#include "fuzzsupport.h"
#include "settings/backgrounds.h"
#include "settings/settingsfile.h"
#include "ui/textfile.h"

#include <cmath>

namespace {

const QString Untouched = QStringLiteral("\x01untouched");

// The number readers agree with each other and stay in their ranges.
void checkNumbers(const QString &text) {
    const auto whole = wholeNumber(text);
    FUZZ_CHECK(!whole || std::abs(*whole) <= 1000000000);

    const auto option = optionIndex(text);
    FUZZ_CHECK(option.has_value() == (whole && *whole >= 0 && *whole < OptionCount));
    FUZZ_CHECK(!option || *option == *whole);

    const auto on = switchValue(text);
    FUZZ_CHECK(on.has_value() == (whole == 0 || whole == 1));
    FUZZ_CHECK(!on || *on == (whole == 1));

    const auto language = languageValue(text);
    FUZZ_CHECK(!language || (std::isfinite(*language) && std::abs(*language) <= 1e30f));
    // A whole number is a language too, and the rounding moved it by half a unit at most.
    FUZZ_CHECK(!whole ||
               (language && std::abs(double{*language} - *whole) <= 0.5 + 1e-7 * std::abs(*whole)));

    // The background's colour and picture: a colour only for the seven choices as written by
    // the game, a picture never outside the backgrounds folder.
    const auto colour = backgroundCardColour(text);
    FUZZ_CHECK(!colour || (option && QString::number(*option) == text));
    FUZZ_CHECK(!isPlainBackground(text) || text == QLatin1String("0"));
    const QString picture = backgroundPicturePath(QStringLiteral("/app"), text);
    const QString folder = QStringLiteral("/app/back/back");
    FUZZ_CHECK(picture.isEmpty() ||
               (picture.startsWith(folder) && !picture.mid(folder.size()).contains('/')));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString path = scratchFile(QStringLiteral("Kestrova.ini"));
    writeBytes(path, inputBytes(data, size));

    // Whatever its size, its first lines are read (up to six, and not past a huge one).
    const auto lines = readSettingsLines(path);
    FUZZ_CHECK(lines && lines->size() <= Ini::Places);

    // The six places with guards on both sides, none of which may change.
    struct {
        std::array<QString, 2> below;
        IniValues ini;
        std::array<QString, 2> above;
    } places;
    places.below.fill(Untouched);
    places.ini.fill(Untouched);
    places.above.fill(Untouched);
    resetIniDefaults(places.ini);
    const IniValues defaults = places.ini;
    FUZZ_CHECK(defaults[5] == Untouched);
    storeIniLines(places.ini, *lines);
    FUZZ_CHECK(places.below[0] == Untouched && places.below[1] == Untouched);
    FUZZ_CHECK(places.above[0] == Untouched && places.above[1] == Untouched);

    // Line n gives place n its text after the first "=" (all of it without one); places past
    // the last line keep their defaults.
    for (int n = 0; n < Ini::Places; ++n) {
        const QString &value = places.ini[n];
        if (n >= lines->size()) {
            FUZZ_CHECK(value == defaults[n]);
            continue;
        }
        const QString &line = lines->at(n);
        const qsizetype key = line.size() - value.size() - 1;
        FUZZ_CHECK(value == line || (line.endsWith(value) && key >= 0 && line[key] == '=' &&
                                     !line.left(key).contains('=')));
        FUZZ_CHECK(value != line || !line.contains('='));
    }
    for (const QString &value : places.ini)
        checkNumbers(value);

    // The options window's reading, then saving: what it wrote reads back the same.
    const bool sound = switchValue(places.ini[Ini::Sound]).value_or(true);
    const float language = languageValue(places.ini[Ini::Language]).value_or(1.0f);
    const bool riddle = switchValue(places.ini[Ini::RiddleAtStart]).value_or(false);
    const QStringList written = settingsFileLines(places.ini, sound, language, riddle);
    FUZZ_CHECK(written.size() == 5);
    FUZZ_CHECK(writeTextFileAtomic(path, written));
    if (QFileInfo(path).size() > 4096)
        return 0;
    const auto reread = readSettingsLines(path);
    FUZZ_CHECK(reread && *reread == written);
    IniValues again;
    resetIniDefaults(again);
    storeIniLines(again, *reread);
    FUZZ_CHECK(again[Ini::Background] == places.ini[Ini::Background]);
    FUZZ_CHECK(again[Ini::PictureSet] == places.ini[Ini::PictureSet]);
    FUZZ_CHECK(switchValue(again[Ini::Sound]) == sound);
    FUZZ_CHECK(languageValue(again[Ini::Language]) == language);
    FUZZ_CHECK(switchValue(again[Ini::RiddleAtStart]) == riddle);
    return 0;
}
