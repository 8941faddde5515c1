// The link labels: the page each opens in either language, the relief of the maker's label,
// and nothing left behind in the application folder.
#include "gamedriver.h"
#include "ui/clicklabel.h"
#include "web/weblinks.h"

#include <QDesktopServices>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// Stands in for the desktop's browser: remembers the addresses it was handed.
class Browser : public QObject {
    Q_OBJECT

  public:
    QStringList opened;

  public slots:
    void open(const QUrl &url) { opened.append(url.toString()); }
};

class WebLinksTest : public QObject {
    Q_OBJECT

  private slots:
    void theAddressesOfEitherLanguage() {
        // A stored value that only rounds to English is not English.
        QCOMPARE(languageLetter(1.2f), QStringLiteral("r"));
        QCOMPARE(pageAddress(QStringLiteral("/games/kestrova"), 1),
                 QStringLiteral("file:///games/kestrova/web/index-e.htm"));
        QCOMPARE(pageAddress(QStringLiteral("/games/my game/"), 0),
                 QStringLiteral("file:///games/my game/web/index-r.htm"));
        QCOMPARE(galleryAddress(QStringLiteral("/games/kestrova"), 1),
                 QStringLiteral("file:///games/kestrova/web/index-e.htm#gallery"));
        QCOMPARE(galleryAddress(QStringLiteral("/games/my game/"), 0),
                 QStringLiteral("file:///games/my game/web/index-r.htm#gallery"));
    }

    void theMakersNameOpensTheGalleryTheHomepageLabelThePageOfTheInterfaceLanguage() {
        QTemporaryDir dir;
        writeSet(dir.path() + "/img0", 12, "Animals");
        Browser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "open");
        Game g(dir.path());
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        const QString english = pageAddress(dir.path(), 1), russian = pageAddress(dir.path(), 0);

        for (int index : {0, 1, 3})
            QTest::mouseClick(g.window->lblWeb[index], Qt::LeftButton);
        QTest::mouseClick(g.window->lblLOC[0], Qt::LeftButton);
        for (int index : {0, 1, 3})
            QTest::mouseClick(g.window->lblWeb[index], Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

        const QString ge = english + "#gallery", gr = russian + "#gallery";
        QCOMPARE(browser.opened, QStringList({ge, ge, english, gr, gr, russian}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QVERIFY(g.window->Timer1->isActive());
    }

    void theMakersLabelStandsOutInRelief() {
        QTemporaryDir dir;
        QFile ini(dir.path() + "/Kestrova.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write("optFon=4\r\n") > 0);
        ini.close();
        Game g(dir.path());
        ClickLabel *shadow = g.window->lblWeb[0];
        ClickLabel *maker = g.window->lblWeb[1];
        QCOMPARE(shadow->text(), maker->text());
        QCOMPARE(shadow->pos(), maker->pos() + QPoint(1, 2));
        QCOMPARE(maker->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(shadow->palette().color(QPalette::WindowText).lightness() < 100);
        // The home-page label takes the card colour with the other labels of the foot row.
        QCOMPARE(g.window->lblWeb[3]->palette().color(QPalette::Window), QColor(239, 96, 162));
        QCOMPARE(g.window->lblWeb[3]->text(), QStringLiteral("Homepage"));
    }
};

QTEST_MAIN(WebLinksTest)
#include "test_weblinks.moc"
