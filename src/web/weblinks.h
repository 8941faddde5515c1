// The addresses the window's link labels open, in the version of the interface language.
#pragma once

#include <QString>

// "e" for the English interface (language 1), "r" for any other value.
QString languageLetter(float language);

// The page the link labels open, as a URL: "index-" and the language letter in the "web"
// folder of the application folder. The game's pages come with it, so the links work
// offline; the maker has no site of its own, so its label opens the same pages.
QString pageAddress(const QString &appFolder, float language);
