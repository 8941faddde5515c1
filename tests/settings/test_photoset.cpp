// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A folder of photos made into a picture set: the crop, the turn upright, the choice of twelve,
// the set taking its place whole or not at all, and the files that are no photos.
#include "fakes.h"
#include "game/deal.h"
#include "settings/photoset.h"
#include "testfiles.h"
#include "ui/apppaths.h"
#include "ui/textfile.h"

#include <QImageWriter>
#include <QtEndian>
#include <QtTest>

namespace {

// A picture of `size`: red on its left half, blue on its right.
QImage halves(const QSize &size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

bool red(QRgb pixel) {
    return qRed(pixel) > 200 && qBlue(pixel) < 60;
}

// A PNG chunk: its length, type, data and CRC.
QByteArray chunk(const QByteArray &type, const QByteArray &data) {
    quint32 crc = 0xFFFFFFFF;
    for (char byte : type + data) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    const quint32 length = qToBigEndian(quint32(data.size())), sum = qToBigEndian(~crc);
    return QByteArray(reinterpret_cast<const char *>(&length), 4) + type + data +
           QByteArray(reinterpret_cast<const char *>(&sum), 4);
}

// A PNG that says it is `side` x `side` pixels, with no pixels after it.
QByteArray pngHead(quint32 side) {
    const quint32 big = qToBigEndian(side);
    const QByteArray edge(reinterpret_cast<const char *>(&big), 4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) +
           chunk("IHDR", edge + edge + QByteArray("\x08\x02\x00\x00\x00", 5)) +
           chunk("IDAT", QByteArray()) + chunk("IEND", QByteArray());
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
        for (int n = 0; n < 11; ++n)
            QVERIFY(halves(QSize(300 + 40 * n, 200))
                        .save(QStringLiteral("%1/p%2.png").arg(photos).arg(n)));
        // Not photos of the folder: a text, a picture in a subfolder, a link out of the folder,
        // and a PNG too large to read whole.
        writeFile(dir, "Grandma's garden/notes.jpg", "not a picture");
        QVERIFY(halves(QSize(90, 80)).save(photos + "/sub/deep.png"));
        QVERIFY(halves(QSize(90, 80)).save(outside.filePath("far.png")));
        QVERIFY(QFile::link(outside.filePath("far.png"), photos + "/link.png"));
        writeFile(dir, "Grandma's garden/huge.png", pngHead(20000));
        QCOMPARE(PhotoSet::readablePictures(photos).size(), 12);
        ScriptedRandom random;
        const PhotoSet::Outcome few = PhotoSet::make(photos, set, random);
        QCOMPARE(few.missing, 1);
        QVERIFY(!QFileInfo::exists(set) && !few.made());

        writeFile(dir, "photos/img3/old.txt", "the set that was there");
        QVERIFY(halves(QSize(4000, 3000)).save(photos + "/p|11.jpg"));
        QVERIFY(PhotoSet::make(photos, set, random).made());
        QVERIFY(!QFileInfo::exists(set + "/old.txt"));
        QCOMPARE(QDir(dir.filePath("photos"))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"img3"});
        QCOMPARE(QImage(set + "/11.gif").size(), QSize(90, 80));
        QCOMPARE(QImage(set + "/11@2x.gif").size(), QSize(180, 160));
        QCOMPARE(readFirstLine(set + "/setname.txt"), QStringLiteral("Grandma's garden"));
        const auto names = readTextLines(set + "/names.txt");
        QVERIFY(names && names->size() == 12 && names->contains("p 11|p 11"));
        // The game deals and names set 3 from the photos, and from the shipped set again
        // once they are gone.
        QCOMPARE(pictureSetName(dir.path(), 3, dir.path()), QStringLiteral("Grandma's garden"));
        QCOMPARE(playedSetFolder("/app", dir.path(), 3, fileExists), set + "/");
        QVERIFY(PhotoSet::remove(set));
        QCOMPARE(playedSetFolder("/app", dir.path(), 3, fileExists), QString("/app/img3/"));

        // A place that cannot be written keeps nothing and says where.
        writeFile(dir, "blocked", "a file where the sets' folder would be");
        const PhotoSet::Outcome blocked =
            PhotoSet::make(photos, dir.filePath("blocked/img3"), random);
        QVERIFY(!blocked.made() && blocked.error.contains("blocked"));
    }
};

QTEST_GUILESS_MAIN(TestPhotoSet)
#include "test_photoset.moc"
