// Checks picture loading, fitting and caching, on normal and high-DPI screens, and the sound
// player's effect bookkeeping.
#include "testfiles.h"
#include "ui/picturecache.h"
#include "ui/picturepart.h"
#include "ui/soundplayer.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPainter>
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

// A picture whose left half is `left` and right half `right`, as PNG bytes.
QByteArray halves(const QSize &size, const QColor &left, const QColor &right) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), left);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray solid(const QSize &size, const QColor &colour) {
    return halves(size, colour, colour);
}

// Whether the pixel is opaque and within a few steps of the colour in each channel.
bool looksLike(const QImage &image, int x, int y, const QColor &colour) {
    const QColor c = image.pixelColor(x, y);
    return c.alpha() == 255 && qAbs(c.red() - colour.red()) < 8 &&
           qAbs(c.green() - colour.green()) < 8 && qAbs(c.blue() - colour.blue()) < 8;
}

// Every picture the game ships with its own files: the card pictures, the backgrounds and the
// riddle pictures in the data folder, and the built-in window pictures, pointer and icons.
QStringList shippedPictures() {
    QStringList paths;
    const QDir data(QStringLiteral(KESTROVA_DATA_DIR));
    const auto add = [&paths](const QDir &folder, const QString &pattern) {
        for (const QString &name : folder.entryList({pattern}, QDir::Files, QDir::Name))
            if (!name.contains(QLatin1Char('@')))
                paths << folder.filePath(name);
    };
    for (int set = 0; set < 7; ++set)
        add(QDir(data.filePath(QStringLiteral("img%1").arg(set))), QStringLiteral("*.gif"));
    add(QDir(data.filePath(QStringLiteral("back"))), QStringLiteral("back*.jpg"));
    add(QDir(data.filePath(QStringLiteral("zagadki"))), QStringLiteral("z*.gif"));
    for (int n = 1; n <= 8; ++n)
        paths << QStringLiteral(":/records/icons/%1.png").arg(n);
    paths << QStringLiteral(":/riddles/frame.png") << QStringLiteral(":/ui/hand.png");
    return paths;
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

    void finerFileIsFoundBesideThePicture_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ratio 2") << "a.gif" << 2.0 << "a@2x.gif";
        QTest::newRow("ratio between 1 and 2") << "a.gif" << 1.25 << "a@2x.gif";
        QTest::newRow("ratio 1") << "a.gif" << 1.0 << "a.gif";
        QTest::newRow("no finer file") << "lone.gif" << 2.0 << "lone.gif";
        QTest::newRow("a folder is no file") << "folder.gif" << 2.0 << "folder.gif";
        QTest::newRow("the last dot starts the extension") << "x.y.jpg" << 2.0 << "x.y@2x.jpg";
        QTest::newRow("a dot in the folder's name") << "v1.2/b" << 2.0 << "v1.2/b@2x";
    }
    void finerFileIsFoundBesideThePicture() {
        QFETCH(QString, path);
        QFETCH(qreal, ratio);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("v1.2") && QDir(dir.path()).mkpath("folder@2x.gif"));
        for (const char *name : {"a.gif", "a@2x.gif", "lone.gif", "x.y.jpg", "x.y@2x.jpg", "v1.2/b",
                                 "v1.2/b@2x", "folder.gif"})
            QVERIFY(!writeFile(dir, name, "x").isEmpty());
        QCOMPARE(hiDpiPath(dir.filePath(path), ratio), dir.filePath(expected));
    }

    // The normal card picture is red and its "@2x" twin blue, so a pixel tells which was drawn.
    void cardPicturesAtTheScreensRatio_data() {
        QTest::addColumn<bool>("twin");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QColor>("drawn");
        QTest::newRow("ratio 2, twin") << true << 2.0 << QColor(Qt::blue);
        QTest::newRow("ratio 2, no twin") << false << 2.0 << QColor(Qt::red);
        QTest::newRow("ratio 1.5, twin") << true << 1.5 << QColor(Qt::blue);
        QTest::newRow("ratio 1, twin") << true << 1.0 << QColor(Qt::red);
        QTest::newRow("ratio 1, no twin") << false << 1.0 << QColor(Qt::red);
    }
    void cardPicturesAtTheScreensRatio() {
        QFETCH(bool, twin);
        QFETCH(qreal, ratio);
        QFETCH(QColor, drawn);
        QTemporaryDir dir;
        const QSize size(45, 40);
        const QString path = writeFile(dir, "5.gif", solid(size, Qt::red));
        if (twin)
            QVERIFY(!writeFile(dir, "5@2x.gif", solid(size * 2, Qt::blue)).isEmpty());
        const QPixmap pixmap = PictureCache().picture(path, size, ratio);
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(pixmap.size(), (QSizeF(size) * ratio).toSize());
        const QImage image = pixmap.toImage();
        QVERIFY(looksLike(image, 0, 0, drawn));
        QVERIFY(looksLike(image, image.width() - 1, image.height() - 1, drawn));
    }

    void cacheKeepsEachRatioApart() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "2.gif", solid(QSize(8, 8), Qt::red));
        const QString twin = writeFile(dir, "2@2x.gif", solid(QSize(16, 16), Qt::blue));
        PictureCache cache;
        const QImage normal = cache.picture(path, QSize(8, 8), 1.0).toImage();
        const QImage fine = cache.picture(path, QSize(8, 8), 2.0).toImage();
        QCOMPARE(normal.size(), QSize(8, 8));
        QCOMPARE(fine.size(), QSize(16, 16));
        QVERIFY(looksLike(normal, 4, 4, Qt::red) && looksLike(fine, 8, 8, Qt::blue));
        // With the files gone, each ratio is still served its own picture from memory.
        QVERIFY(QFile::remove(path) && QFile::remove(twin));
        QCOMPARE(cache.picture(path, QSize(8, 8), 2.0).toImage(), fine);
        QCOMPARE(cache.picture(path, QSize(8, 8), 1.0).toImage(), normal);
        QCOMPARE(cache.cachedCount(), 2);
    }

    void brokenTwinOrPictureOnHighDpi() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "4.gif", solid(QSize(20, 20), Qt::red));
        writeFile(dir, "4@2x.gif", "GIF89a but not a picture");
        PictureCache cache;
        const QPixmap fallback = cache.picture(path, QSize(20, 20), 2.0);
        QCOMPARE(fallback.size(), QSize(40, 40));
        QVERIFY(looksLike(fallback.toImage(), 20, 20, Qt::red));

        // The stand-in is drawn at the screen's own pixels, not enlarged.
        const QPixmap standIn = cache.picture(dir.filePath("9.gif"), QSize(60, 80), 2.0);
        QCOMPARE(standIn.devicePixelRatio(), 2.0);
        QImage pixels = standIn.toImage();
        pixels.setDevicePixelRatio(1.0);
        QCOMPARE(pixels, cache.placeholder(QSize(120, 160)).toImage());
    }

    // The normal background is red and blue, its twin green and yellow (left and right half).
    void backgroundsAtTheScreensRatio() {
        QTemporaryDir dir;
        const QString path = writeFile(dir, "back.png", halves(QSize(200, 100), Qt::red, Qt::blue));
        const QString twin =
            writeFile(dir, "back@2x.png", halves(QSize(400, 200), Qt::green, Qt::yellow));

        QPixmap part = visiblePart(path, QSize(150, 80), 2.0);
        QCOMPARE(part.devicePixelRatio(), 2.0);
        QCOMPARE(part.size(), QSize(300, 160));
        QVERIFY(looksLike(part.toImage(), 190, 80, Qt::green));
        QVERIFY(looksLike(part.toImage(), 210, 80, Qt::yellow));
        QCOMPARE(visiblePart(path, QSize(5000, 5000), 2.0).deviceIndependentSize(),
                 QSizeF(200, 100));
        // Between 1 and 2 the twin is brought down to the screen's pixels.
        part = visiblePart(path, QSize(150, 80), 1.5);
        QCOMPARE(part.devicePixelRatio(), 1.5);
        QCOMPARE(part.size(), QSize(225, 120));
        QVERIFY(looksLike(part.toImage(), 10, 60, Qt::green));
        // At ratio 1 the twin is never read.
        part = visiblePart(path, QSize(150, 80), 1.0);
        QCOMPARE(part.devicePixelRatio(), 1.0);
        QCOMPARE(part.size(), QSize(150, 80));
        QVERIFY(looksLike(part.toImage(), 10, 40, Qt::red));

        QPixmap preview = coverPreview(path, QSize(90, 15), 2.0);
        QCOMPARE(preview.devicePixelRatio(), 2.0);
        QCOMPARE(preview.size(), QSize(180, 30));
        QVERIFY(looksLike(preview.toImage(), 10, 15, Qt::green));
        QVERIFY(looksLike(preview.toImage(), 170, 15, Qt::yellow));

        // Without the twin: the normal picture, as it is for the window and finely shrunk for
        // the preview.
        QVERIFY(QFile::remove(twin));
        part = visiblePart(path, QSize(150, 80), 2.0);
        QCOMPARE(part.devicePixelRatio(), 1.0);
        QCOMPARE(part.size(), QSize(150, 80));
        QVERIFY(looksLike(part.toImage(), 10, 40, Qt::red));
        preview = coverPreview(path, QSize(90, 15), 2.0);
        QCOMPARE(preview.size(), QSize(180, 30));
        QVERIFY(looksLike(preview.toImage(), 10, 15, Qt::red));
        QVERIFY(looksLike(preview.toImage(), 170, 15, Qt::blue));
    }

    void shippedPicturesHaveTwinsAtTwiceTheSize() {
        const QStringList pictures = shippedPictures();
        QVERIFY(pictures.size() >= 5 * 12 + 2 * 24 + 7 + 42 + 10);
        for (const QString &path : pictures) {
            const QString fine = hiDpiPath(path, 2.0);
            QVERIFY2(fine != path, qPrintable(path + " has no @2x twin"));
            QImageReader normal(path);
            QImageReader twin(fine);
            normal.setDecideFormatFromContent(true);
            twin.setDecideFormatFromContent(true);
            QVERIFY2(twin.size() == normal.size() * 2, qPrintable(fine));
            QCOMPARE(twin.format(), normal.format());
        }
        const QPixmap frame = hiDpiPixmap(QStringLiteral(":/riddles/frame.png"), 2.0);
        QCOMPARE(frame.devicePixelRatio(), 2.0);
        QCOMPARE(frame.deviceIndependentSize(), QSizeF(QPixmap(":/riddles/frame.png").size()));
        QCOMPARE(hiDpiPixmap(QStringLiteral(":/riddles/frame.png"), 1.5).size(),
                 QPixmap(":/riddles/frame.png").size() * 1.5);
        QCOMPARE(hiDpiPixmap(QStringLiteral(":/riddles/frame.png")).devicePixelRatio(), 1.0);
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
