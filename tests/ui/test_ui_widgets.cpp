// Checks picture loading, fitting and caching, and the sound player's effect bookkeeping.
#include "testfiles.h"
#include "ui/picturecache.h"
#include "ui/picturepart.h"
#include "ui/soundplayer.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A 1 x 1 GIF whose one pixel is pure red.
const QByteArray redGif = QByteArray::fromHex(
    "47494638396101000100800000ff000000000021f90400000000002c00000000010001000002024401003b");
// A tenth of a second of 8-bit mono PCM at 8000 Hz behind a minimal RIFF header.
const QByteArray tinyWav = QByteArray::fromHex("524946464403000057415645666d74201000000001000100"
                                               "401f0000401f0000010008006461746120030000") +
                           QByteArray(800, '\x60');

QByteArray redPicture(const char *format) {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format) ? bytes : QByteArray();
}

} // namespace

class TestUiWidgets : public QObject {
    Q_OBJECT

  private slots:
    void picturesFitRequestedSize_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("red");
        QTest::addColumn<QPoint>("clear");
        QTest::newRow("gif, tall box") << redGif << QSize(2, 4) << QPoint(0, 1) << QPoint(0, 0);
        QTest::newRow("png named .gif")
            << redPicture("PNG") << QSize(20, 20) << QPoint(10, 10) << QPoint(10, 1);
        QTest::newRow("jpeg named .gif")
            << redPicture("JPG") << QSize(20, 20) << QPoint(10, 10) << QPoint(10, 18);
    }
    void picturesFitRequestedSize() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        QFETCH(QPoint, red);
        QFETCH(QPoint, clear);
        QTemporaryDir dir;
        const QImage image = PictureCache().picture(writeFile(dir, "1.gif", bytes), size).toImage();
        QCOMPARE(image.size(), size);
        const QColor c = image.pixelColor(red);
        QVERIFY2(c.alpha() == 255 && c.red() > 240 && c.green() < 16,
                 qPrintable(c.name(QColor::HexArgb)));
        QCOMPARE(image.pixelColor(clear).alpha(), 0);
    }

    void brokenFileGivesPlaceholder_data() {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("garbage") << QByteArray("GIF89a but not a picture");
    }
    void brokenFileGivesPlaceholder() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path =
            bytes.isNull() ? dir.filePath("3.gif") : writeFile(dir, "3.gif", bytes);
        PictureCache cache;
        const QImage image = cache.picture(path, QSize(60, 80)).toImage();
        QCOMPARE(image, cache.placeholder(QSize(60, 80)).toImage());
        QCOMPARE(image.size(), QSize(60, 80));
        QCOMPARE(image.pixelColor(30, 5).alpha(), 255); // the tile, not transparency
    }

    void cacheServesRepeatsAndStaysBounded() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "1.gif", redGif);
        PictureCache cache;
        const QImage first = cache.picture(path, QSize(8, 8)).toImage();
        QVERIFY(QFile::remove(path));
        QCOMPARE(cache.picture(path, QSize(8, 8)).toImage(), first);
        for (int i = 0; i < 1000; ++i)
            cache.picture(dir.filePath(QString::number(i)), QSize(4, 4));
        QVERIFY(cache.cachedCount() > 0 && cache.cachedCount() <= 256);
    }

    void backgroundPartsAndPreviews() {
        QTemporaryDir dir;
        // Left half red, right half blue, far larger than the window.
        QImage big(3000, 1000, QImage::Format_RGB32);
        big.fill(Qt::blue);
        for (int y = 0; y < big.height(); ++y)
            for (int x = 0; x < 1500; ++x)
                big.setPixel(x, y, qRgb(255, 0, 0));
        QVERIFY(big.save(dir.filePath("big.jpg"), "JPEG", 95));

        const QImage part = visiblePart(dir.filePath("big.jpg"), QSize(641, 425)).toImage();
        QCOMPARE(part.size(), QSize(641, 425));
        QVERIFY(QColor(part.pixel(600, 200)).red() > 200);
        QCOMPARE(visiblePart(dir.filePath("big.jpg"), QSize(5000, 5000)).size(), QSize(3000, 1000));

        // The preview keeps the middle: both halves show, side by side, unsqueezed.
        const QImage preview = coverPreview(dir.filePath("big.jpg"), QSize(90, 15)).toImage();
        QCOMPARE(preview.size(), QSize(90, 15));
        QVERIFY(QColor(preview.pixel(10, 7)).red() > 200);
        QVERIFY(QColor(preview.pixel(80, 7)).blue() > 200);

        writeFile(dir, "junk.jpg", "not a picture");
        QVERIFY(visiblePart(dir.filePath("junk.jpg"), QSize(641, 425)).isNull());
        QVERIFY(coverPreview(dir.filePath("junk.jpg"), QSize(73, 17)).isNull());
        QVERIFY(coverPreview(dir.filePath("missing.jpg"), QSize(73, 17)).isNull());
    }

    void soundKeepsOneEffectPerFile() {
        QTemporaryDir dir;
        const QString click = writeFile(dir, "click1.wav", tinyWav);
        const QString pair = writeFile(dir, "pair.wav", tinyWav);
        SoundPlayer player;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 5; ++i)
            player.play(click);
        QVERIFY(timer.elapsed() < 2000); // never waits for loading or for an audio device
        QCOMPARE(player.loadedEffects(), 1);
        QCOMPARE(player.currentSource(), click);
        player.play(pair);
        QTest::qWait(200);
        for (const QString &silent : {QString(), dir.filePath("missing.wav"), dir.path()}) {
            player.play(click);
            player.play(silent);
            QCOMPARE(player.currentSource(), QString());
        }
        QCOMPARE(player.loadedEffects(), 2);
    }
};

QTEST_MAIN(TestUiWidgets)
#include "test_ui_widgets.moc"
