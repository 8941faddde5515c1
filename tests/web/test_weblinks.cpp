// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The addresses the link labels open: the game's own page, or its gallery, in the version of the
// interface language.
#include "web/weblinks.h"

#include <QTest>

class WebLinksTest : public QObject {
    Q_OBJECT

  private slots:
    void theAddressesOfEitherLanguage() {
        // Only a stored 1 is English; a number that merely rounds to it is not.
        for (const float language : {0.0f, 1.2f, 0.6f, -1.0f, 2.0f})
            QCOMPARE(languageLetter(Language::fromSetting(language)), QStringLiteral("r"));
        QCOMPARE(pageAddress(QStringLiteral("/games/kestrova"), Language(Lang::English)),
                 QStringLiteral("file:///games/kestrova/web/index-e.htm"));
        QCOMPARE(galleryAddress(QStringLiteral("/games/my game/"), Language::fromSetting(0.4f)),
                 QStringLiteral("file:///games/my game/web/index-r.htm#gallery"));
    }
};

QTEST_GUILESS_MAIN(WebLinksTest)
#include "test_weblinks.moc"
