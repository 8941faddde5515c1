// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The addresses the window's link labels open, in the version of the interface language.
#pragma once

#include "i18n/language.h"

#include <QString>

// "e" for the English interface, "r" for Russian and for a settings number that chooses
// neither.
QString languageLetter(const Language &language);

// The page the home-page label opens, as a URL: "index-" and the language letter in the "web"
// folder of the application folder. The game's pages come with it, so the links work offline.
QString pageAddress(const QString &appFolder, const Language &language);

// The maker has no site of its own, so the maker's label opens the same page at its children's
// picture gallery: the page's address with the fragment "gallery".
QString galleryAddress(const QString &appFolder, const Language &language);
