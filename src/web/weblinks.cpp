// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Building the link labels' addresses.
#include "web/weblinks.h"

#include "ui/apppaths.h"

#include <QUrl>

namespace {

QUrl pageUrl(const QString &appFolder, const Language &language) {
    const QString page = QStringLiteral("\\web\\index-%1.htm").arg(languageLetter(language));
    return QUrl::fromLocalFile(appFile(appFolder, page));
}

} // namespace

QString languageLetter(const Language &language) {
    return language.english() ? QStringLiteral("e") : QStringLiteral("r");
}

QString pageAddress(const QString &appFolder, const Language &language) {
    return pageUrl(appFolder, language).toString();
}

QString galleryAddress(const QString &appFolder, const Language &language) {
    QUrl url = pageUrl(appFolder, language);
    url.setFragment(QStringLiteral("gallery"));
    return url.toString();
}
