// Checks picture loading, fitting and caching, on normal and high-DPI screens, and what of the
// sound player can be seen without speakers: its cache of decoded files and its silences.
#include "testfiles.h"
#include "ui/picturecache.h"
#include "ui/picturepart.h"
#include "ui/soundplayer.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>
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

    void cardPicturesAtTheScreensRatio() {
        // The normal pictures are red, a "@2x" twin blue, so a pixel tells which was drawn.
        QTemporaryDir dir;
        const QSize size(45, 40);
        QString paths[3];
        for (int n = 0; n < 3; ++n)
            paths[n] =
                writeFile(dir, QStringLiteral("%1.gif").arg(n), halves(size, Qt::red, Qt::red));
        const QString twin = writeFile(dir, "0@2x.gif", halves(size * 2, Qt::blue, Qt::blue));
        writeFile(dir, "2@2x.gif", "GIF89a but not a picture");
        PictureCache cache;
        const struct {
            int picture; // 0 with a twin, 1 without, 2 with a broken one
            qreal ratio;
            QColor drawn;
        } cases[] = {{0, 2.0, Qt::blue}, {0, 1.5, Qt::blue}, {0, 1.0, Qt::red},
                     {1, 2.0, Qt::red},  {1, 1.0, Qt::red},  {2, 2.0, Qt::red}};
        for (const auto &c : cases) {
            const QPixmap pixmap = cache.picture(paths[c.picture], size, c.ratio);
            QCOMPARE(pixmap.devicePixelRatio(), c.ratio);
            QCOMPARE(pixmap.size(), (QSizeF(size) * c.ratio).toSize());
            const QImage image = pixmap.toImage();
            QVERIFY(looksLike(image, 0, 0, c.drawn));
            QVERIFY(looksLike(image, image.width() - 1, image.height() - 1, c.drawn));
        }
        // With the files gone, each ratio is still served its own picture from memory.
        QVERIFY(QFile::remove(paths[0]) && QFile::remove(twin));
        QVERIFY(looksLike(cache.picture(paths[0], size, 2.0).toImage(), 5, 5, Qt::blue));
        QVERIFY(looksLike(cache.picture(paths[0], size, 1.0).toImage(), 5, 5, Qt::red));
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
        // The part for the window, and the preview: their ratio, size and colours at two places.
        const auto check = [](const QPixmap &shown, qreal ratio, const QSize &size,
                              const QPoint &left, const QColor &leftColour, const QColor &right) {
            QCOMPARE(shown.devicePixelRatio(), ratio);
            QCOMPARE(shown.size(), size);
            QVERIFY(looksLike(shown.toImage(), left.x(), left.y(), leftColour));
            QVERIFY(looksLike(shown.toImage(), size.width() - 10, left.y(), right));
        };
        check(visiblePart(path, QSize(150, 80), 2.0), 2.0, {300, 160}, {190, 80}, Qt::green,
              Qt::yellow);
        // Between 1 and 2 the twin is brought down to the screen's pixels; at 1 it is never read.
        check(visiblePart(path, QSize(150, 80), 1.5), 1.5, {225, 120}, {10, 60}, Qt::green,
              Qt::yellow);
        check(visiblePart(path, QSize(150, 80), 1.0), 1.0, {150, 80}, {10, 40}, Qt::red, Qt::blue);
        check(coverPreview(path, QSize(90, 15), 2.0), 2.0, {180, 30}, {10, 15}, Qt::green,
              Qt::yellow);
        QCOMPARE(visiblePart(path, QSize(5000, 5000), 2.0).deviceIndependentSize(),
                 QSizeF(200, 100));
        // Without the twin: the normal picture, as it is for the window and finely shrunk for
        // the preview.
        QVERIFY(QFile::remove(twin));
        check(visiblePart(path, QSize(150, 80), 2.0), 1.0, {150, 80}, {10, 40}, Qt::red, Qt::blue);
        check(coverPreview(path, QSize(90, 15), 2.0), 2.0, {180, 30}, {10, 15}, Qt::red, Qt::blue);
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

    void soundDecodesEachFileOnce() {
        QTemporaryDir dir;
        const QString click = writeFile(dir, "click1.wav", tinyWav);
        const QString pair = writeFile(dir, "pair.wav", tinyWav.left(100)); // data cut short
        SoundPlayer player;
        QTest::failOnWarning(QRegularExpression(".*")); // nothing to say without speakers either
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 5; ++i)
            player.play(click);
        QCoreApplication::processEvents(); // starts it, or finds no audio device
        QVERIFY(timer.elapsed() < 2000);   // never waits for loading or for an audio device
        QVERIFY(!writeFile(dir, "click1.wav", "not a sound").isEmpty());
        player.play(click); // as read the first time
        QCOMPARE(player.currentSource(), click);
        player.play(pair);
        QCOMPARE(player.currentSource(), pair);
        QCOMPARE(player.loadedSounds(), 2);

        QByteArray wide = tinyWav; // 24-bit samples
        wide[32] = 3;
        wide[34] = 24;
        QFile huge(writeFile(dir, "huge.wav", tinyWav));
        QVERIFY(huge.resize(17 << 20));
        for (const QString &silent : {QString(), dir.filePath("missing.wav"), dir.path(),
                                      writeFile(dir, "junk.wav", "RIFX" + tinyWav.mid(4)),
                                      writeFile(dir, "wide.wav", wide), huge.fileName()}) {
            player.play(pair);
            player.play(silent);
            QCOMPARE(player.currentSource(), QString());
        }
        for (int i = 0; i < 40; ++i)
            player.play(writeFile(dir, QString::number(i) + ".wav", tinyWav));
        QVERIFY(player.loadedSounds() < 40);
    }
};

QTEST_MAIN(TestUiWidgets)
#include "test_ui_widgets.moc"
