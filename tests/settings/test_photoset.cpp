// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A folder of photos made into a picture set: the crop, the turn upright, the choice of twelve
// different pictures, the set taking its place whole or not at all and coming back after a swap
// cut short, and what a careless archive or an unlucky camera puts in a folder: files that are no
// photos, pictures that lie about their size, copies, links out of the game's folders.
#include "fakes.h"
#include "game/deal.h"
#include "pictures.h"
#include "settings/photoimport.h"
#include "settings/photoset.h"
#include "settings/photoswap.h"
#include "testfiles.h"
#include "ui/apppaths.h"
#include "ui/textfile.h"

#include <QElapsedTimer>
#include <QImageWriter>
#include <QSignalSpy>
#include <QtTest>
#include <sys/resource.h>

namespace {

// A picture of `size`: `left` on its left half, blue on its right.
QImage halves(const QSize &size, QRgb left = qRgb(255, 0, 0)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            image.setPixel(x, y, left);
    return image;
}

bool red(QRgb pixel) {
    return qRed(pixel) > 200 && qBlue(pixel) < 60;
}

// `count` photos in `folder` that can all be told apart, named p0.png, p1.png...
void writePhotos(const QString &folder, int count, int first = 0) {
    QDir().mkpath(folder);
    for (int n = first; n < first + count; ++n) {
        const QImage photo = halves(QSize(300 + 40 * n, 200), qRgb(20 * n, 255 - 20 * n, 90));
        QVERIFY(photo.save(QStringLiteral("%1/p%2.png").arg(folder).arg(n)));
    }
}

// The photos a made set was taken from, each named once whatever copies of it there were: its
// names without the marks of a copy.
QSet<QString> originals(const QString &set) {
    QSet<QString> names;
    for (QString name : readTextLines(set + "/names.txt").value_or(QStringList()))
        names.insert(name.remove(QRegularExpression("( copy| large|@2x)?\\|.*")));
    return names;
}

QStringList leftovers(const QString &photos) {
    return QDir(photos).entryList({".photos-*"}, QDir::AllEntries | QDir::Hidden | QDir::System);
}

} // namespace

class TestPhotoSet : public QObject {
    Q_OBJECT

  private slots:
    void cropTurnAndChoice() {
        using PhotoSet::cardCrop;
        QCOMPARE(cardCrop(QSize(900, 800)), QRect(0, 0, 900, 800));
        QCOMPARE(cardCrop(QSize(1800, 800)), QRect(450, 0, 900, 800));
        QCOMPARE(cardCrop(QSize(900, 1600)), QRect(0, 400, 900, 800));
        QCOMPARE(cardCrop(QSize()), QRect());

        // A camera's portrait photo: stored on its side, with the turn noted in its EXIF data.
        QTemporaryDir dir;
        QImageWriter writer(dir.filePath("portrait.jpg"), "jpeg");
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(halves(QSize(800, 400))));
        const QImage card = PhotoSet::cardPicture(dir.filePath("portrait.jpg"), QSize(180, 160));
        QCOMPARE(card.size(), QSize(180, 160));
        QVERIFY(red(card.pixel(90, 5)) && !red(card.pixel(90, 155)));

        // Twelve of fifteen, at random; all twelve of twelve.
        QStringList fifteen;
        for (int n = 0; n < 15; ++n)
            fifteen.append(QString::number(n));
        ScriptedRandom random({0.99, 0.0});
        const QStringList order = PhotoSet::drawOrder(fifteen, random);
        QCOMPARE(order.mid(0, 2), QStringList({"14", "0"}));
        QCOMPARE(QSet<QString>(order.begin(), order.end()).size(), 15);
    }

    void theSetTakesItsPlaceWholeOrNotAtAll() {
        QTemporaryDir dir, outside;
        const QString photos = dir.filePath("Grandma's garden"), set = dir.filePath("photos/img3");
        QDir().mkpath(photos + "/sub");
        writePhotos(photos, 11);
        // Not photos of the folder: a text, a picture in a subfolder, a link out of the folder,
        // and a PNG too large to read whole.
        writeFile(dir, "Grandma's garden/notes.jpg", "not a picture");
        QVERIFY(halves(QSize(90, 80)).save(photos + "/sub/deep.png"));
        QVERIFY(halves(QSize(90, 80)).save(outside.filePath("far.png")));
        QVERIFY(QFile::link(outside.filePath("far.png"), photos + "/link.png"));
        writeFile(dir, "Grandma's garden/huge.png", pngHead(20000, 20000));
        QCOMPARE(PhotoSet::photoFiles(photos).files.size(), 13);
        ScriptedRandom random;
        const PhotoSet::Outcome few = PhotoSet::make(photos, set, "Garden", random);
        QCOMPARE(few.missing, 1);
        QVERIFY(!QFileInfo::exists(set) && !few.made() && !few.stopped);
        QVERIFY(PhotoSet::report(few, "", false).contains("has 1 too few"));

        QVERIFY(QDir(dir.path()).mkpath("photos/img3"));
        QVERIFY(!writeFile(dir, "photos/img3/old.txt", "the set that was there").isEmpty());
        QVERIFY(halves(QSize(4000, 3000)).save(photos + "/p|11.jpg"));
        const PhotoSet::Outcome made = PhotoSet::make(photos, set, "Garden", random);
        QVERIFY(made.made() && made.hadSet);
        QCOMPARE(PhotoSet::report(made, "Garden", false),
                 QString("The set \"Garden\" is ready. \"Apply\" deals its cards."));
        QVERIFY(!QFileInfo::exists(set + "/old.txt"));
        QCOMPARE(QDir(dir.filePath("photos"))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"img3"});
        QCOMPARE(QImage(set + "/11.gif").size(), QSize(90, 80));
        QCOMPARE(QImage(set + "/11@2x.gif").size(), QSize(180, 160));
        QCOMPARE(readFirstLine(set + "/setname.txt"), QStringLiteral("Garden"));
        const auto names = readTextLines(set + "/names.txt");
        QVERIFY(names && names->size() == 12 && names->contains("p 11|p 11"));
        // The game deals and names set 3 from the photos, and from the shipped set again
        // once they are gone.
        QCOMPARE(pictureSetName(dir.path(), 3, dir.path()), QStringLiteral("Garden"));
        QCOMPARE(playedSetFolder("/app", dir.path(), 3, fileExists), set + "/");
        QVERIFY(PhotoSwap::remove(set));
        QCOMPARE(playedSetFolder("/app", dir.path(), 3, fileExists), QString("/app/img3/"));

        // A place that cannot be written keeps nothing and says where, and no set is said to be
        // kept when there was none.
        writeFile(dir, "blocked", "a file where the sets' folder would be");
        const PhotoSet::Outcome blocked =
            PhotoSet::make(photos, dir.filePath("blocked/img3"), "Garden", random);
        QVERIFY(!blocked.made() && blocked.error.contains("blocked") && !blocked.hadSet);
        QVERIFY(PhotoSet::report(blocked, "", false).endsWith("The set is unchanged."));
        PhotoSet::Outcome kept = blocked;
        kept.hadSet = true;
        QVERIFY(PhotoSet::report(kept, "", false).endsWith("The old set is kept."));
    }

    // Twelve good photos among copies of them, pictures that claim 40,000 x 40,000 pixels in a
    // few hundred bytes, and files that are no pictures: a set of twelve different pictures,
    // made within seconds.
    void hostileFolders() {
        QTemporaryDir dir;
        const QString photos = dir.filePath("camera"), set = dir.filePath("photos/img0");
        writePhotos(photos, 12);
        QVERIFY(QFile::copy(photos + "/p3.png", photos + "/p3 copy.png"));
        QVERIFY(QImage(photos + "/p5.png").scaled(900, 600).save(photos + "/p5 large.jpg"));
        for (int n = 0; n < 40; ++n) {
            writeFile(dir, QStringLiteral("camera/lie%1.jpg").arg(n), progressiveJpeg(40000));
            writeFile(dir, QStringLiteral("camera/lie%1.png").arg(n), pngHead(40000, 40000));
        }
        // In the import's own thread, as the options window runs it.
        QElapsedTimer clock;
        clock.start();
        PhotoImport import(photos, set, "Camera");
        QSignalSpy progress(&import, &PhotoImport::progress), done(&import, &PhotoImport::finished);
        import.start();
        QVERIFY(done.wait(10000) && import.outcome().made());
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(originals(set).size(), 12);
        QCOMPARE(progress.count(), 12);
        QCOMPARE(progress.last().first().toInt(), 12);
        ScriptedRandom random;

        // A shipped set as the folder: each picture is there twice, at two sizes.
        const QString twins = dir.filePath("twins");
        QDir().mkpath(twins);
        for (int n = 0; n < 12; ++n) {
            const QImage card = QImage(QStringLiteral("%1/%2@2x.gif").arg(set).arg(n));
            QVERIFY(card.save(QStringLiteral("%1/%2@2x.gif").arg(twins).arg(n), "PNG"));
            QVERIFY(card.scaled(90, 80, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .save(QStringLiteral("%1/%2.gif").arg(twins).arg(n), "PNG"));
        }
        QVERIFY(PhotoSet::make(twins, dir.filePath("photos/img1"), "Twins", random).made());
        QCOMPARE(originals(dir.filePath("photos/img1")).size(), 12);
        // Eleven different pictures and a copy are too few; stopping halfway writes nothing.
        QVERIFY(QFile::remove(twins + "/4@2x.gif") && QFile::remove(twins + "/4.gif"));
        QVERIFY(QFile::copy(twins + "/5.gif", twins + "/5 again.gif"));
        QCOMPARE(PhotoSet::make(twins, dir.filePath("photos/img2"), "T", random).missing, 1);
        int found = 0;
        const PhotoSet::Watch stop{[&found](int n) { found = n; }, [&found] { return found == 3; }};
        const PhotoSet::Outcome stopped = PhotoSet::make(photos, set + "x", "", random, stop);
        QVERIFY(stopped.cancelled && !stopped.made() && !QFileInfo::exists(set + "x"));
        QCOMPARE(PhotoSet::report(stopped, "", false), QString());

        // A folder of more files than are looked at says that the search stopped there.
        const QString junk = dir.filePath("junk");
        QDir().mkpath(junk);
        for (int n = 0; n <= PhotoSet::MaxListed; ++n)
            QFile(QStringLiteral("%1/%2.jpg").arg(junk).arg(n)).open(QIODevice::WriteOnly);
        const PhotoSet::Outcome bounded = PhotoSet::make(junk, set, "", random);
        QVERIFY(bounded.stopped && bounded.missing == 12);
        QVERIFY(PhotoSet::report(bounded, "", false).contains("search stops there"));
    }

    // Photos that would fit but for the memory the system allows: said, not taken for no photos.
    void photosRefusedForWantOfMemory() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address sanitizer reserves more address space than a limit would leave");
#else
        QTemporaryDir dir;
        for (int n = 0; n < 12; ++n)
            writeFile(dir, QStringLiteral("%1.png").arg(n), pngHead(5000, 4000));
        ScriptedRandom random;
        const PhotoSet::Outcome broken = PhotoSet::make(dir.path(), dir.filePath("s"), "", random);
        QVERIFY(broken.missing == 12 && broken.lackedMemory == 0);
        QFile statm("/proc/self/statm");
        QVERIFY(statm.open(QIODevice::ReadOnly));
        const rlim_t used = statm.readAll().split(' ').first().toULongLong() * 4096;
        rlimit old{};
        QVERIFY(getrlimit(RLIMIT_AS, &old) == 0);
        rlimit tight = old;
        tight.rlim_cur = used + 48 * 1024 * 1024;
        QVERIFY(setrlimit(RLIMIT_AS, &tight) == 0);
        const PhotoSet::Outcome outcome = PhotoSet::make(dir.path(), dir.filePath("s"), "", random);
        QVERIFY(setrlimit(RLIMIT_AS, &old) == 0);
        QCOMPARE(outcome.lackedMemory, 12);
        QVERIFY(PhotoSet::report(outcome, "", false).startsWith("There was not enough memory"));
#endif
    }

    // The game killed at each step of a swap: the next start finds a whole set in its place, the
    // newest there is, and nothing left beside it.
    void aSwapCutShortIsFinishedAtTheNextStart_data() {
        QTest::addColumn<QStringList>("left"); // what the swap left: n new, o old, p partial
        QTest::addColumn<QString>("expected"); // the set then in place
        QTest::newRow("writing the new set")
            << QStringList{"o:img0", "p:.photos-img0-Ab12Cd"} << "old";
        QTest::newRow("the new set written")
            << QStringList{"o:img0", "n:.photos-img0-Ab12Cd"} << "old";
        QTest::newRow("the old set stepped aside")
            << QStringList{"o:.photos-img0-Ab12Cd-old", "n:.photos-img0-Ab12Cd"} << "new";
        QTest::newRow("the new set in place")
            << QStringList{"n:img0", "o:.photos-img0-Ab12Cd-old"} << "new";
        QTest::newRow("removing the old set")
            << QStringList{"n:img0", "p:.photos-img0-Ab12Cd-old"} << "new";
        QTest::newRow("the old set aside, the new one lost")
            << QStringList{"o:.photos-img0-Ab12Cd-old", "p:.photos-img0-Ab12Cd"} << "old";
        QTest::newRow("an older game's leftovers")
            << QStringList{"n:img0", "o:.photos-x9Y8z7", "o:.photos-x9Y8z7-old"} << "new";
    }
    void aSwapCutShortIsFinishedAtTheNextStart() {
        QFETCH(QStringList, left);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        for (const QString &entry : left) {
            const QString folder = "photos/" + entry.mid(2);
            QVERIFY(QDir(dir.path()).mkpath(folder));
            writeFile(dir, folder + "/0.gif", "a picture");
            const QString name = entry.startsWith('n') ? "new" : "old";
            if (!entry.startsWith('p'))
                writeFile(dir, folder + "/names.txt", name.toUtf8());
        }
        PhotoSwap::recover(dir.filePath("photos"));
        QCOMPARE(readBytes(dir.filePath("photos/img0/names.txt")), expected.toUtf8());
        QCOMPARE(leftovers(dir.filePath("photos")), QStringList());
    }

    // A set's folder, or the sets' folder, that is a link leads out of the game's folders: it is
    // never emptied, written through or dealt from; Restore and a new set replace only the link.
    void linksAreNotFollowed() {
        QTemporaryDir dir, other;
        for (const char *name : {"keep.txt", "img0/0.gif", ".photos-img0-Ab12Cd-old/names.txt"}) {
            QVERIFY(QDir(other.path()).mkpath(QFileInfo(other.filePath(name)).path()));
            writeFile(other, name, "somebody's data");
        }
        const QStringList before = snapshot(other.path());
        const QString photos = dir.filePath("photos"), set = photos + "/img0";
        QVERIFY(QDir().mkpath(photos) && QFile::link(other.filePath("img0"), set));
        QCOMPARE(playedSetFolder("/app", dir.path(), 0, fileExists), QString("/app/img0/"));
        QVERIFY(PhotoSwap::remove(set) && !QFileInfo(set).isSymLink());
        QVERIFY(QFile::link(other.path(), set));
        writePhotos(dir.filePath("camera"), 12);
        ScriptedRandom random;
        QVERIFY(PhotoSet::make(dir.filePath("camera"), set, "", random).made());
        QVERIFY(!QFileInfo(set).isSymLink() && QFileInfo::exists(set + "/11.gif"));
        QCOMPARE(snapshot(other.path()), before);
        // The sets' folder itself a link (relative, as an unpacked archive may hold it).
        QVERIFY(PhotoSwap::remove(set) && QDir().rmdir(photos));
        QVERIFY(QFile::link(QDir(dir.path()).relativeFilePath(other.path()), photos));
        QVERIFY(PhotoSwap::remove(set));
        PhotoSwap::recover(photos);
        QCOMPARE(playedSetFolder("/app", dir.path(), 0, fileExists), QString("/app/img0/"));
        QVERIFY(PhotoSet::make(dir.filePath("camera"), photos + "/img1", "", random).made());
        QVERIFY(!QFileInfo(photos).isSymLink() && QFileInfo::exists(photos + "/img1/0.gif"));
        QCOMPARE(snapshot(other.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestPhotoSet)
#include "test_photoset.moc"
