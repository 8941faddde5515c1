// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The colour table of the backgrounds and where their pictures lie.
#include "settings/backgrounds.h"

#include "ui/apppaths.h"

namespace {

struct Look {
    const char *choice;
    Rgb card;
};

// Choices 2 and 5 share a card colour and differ only in their pictures.
constexpr Look Looks[] = {
    {"0", PlainCardColour}, {"1", {225, 205, 190}}, {"2", {255, 197, 85}},  {"3", {134, 138, 163}},
    {"4", {239, 96, 162}},  {"5", {255, 197, 85}},  {"6", {188, 188, 174}},
};

} // namespace

std::optional<Rgb> backgroundCardColour(const QString &choice) {
    for (const Look &look : Looks) {
        if (choice == QLatin1String(look.choice))
            return look.card;
    }
    return std::nullopt;
}

bool isPlainBackground(const QString &choice) {
    return choice == QLatin1String(Looks[0].choice);
}

QString backgroundPicturePath(const QString &appFolder, const QString &choice) {
    if (choice.contains(QLatin1Char('/')) || choice.contains(QLatin1Char('\\')))
        return QString();
    return appFile(appFolder, QStringLiteral("\\back\\back") + choice + QStringLiteral(".jpg"));
}

BackgroundLook backgroundLook(const QString &appFolder, const QString &choice) {
    BackgroundLook look;
    look.card = backgroundCardColour(choice);
    look.plain = look.card && isPlainBackground(choice);
    look.picture = backgroundPicturePath(appFolder, choice);
    return look;
}
