// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks picture loading, fitting and caching on normal and high-DPI screens, the game's own
// controls (the flat button's edges, the click label, captions fitted to their label), and the
// work put off until the window is on the screen: the sound plug-in among it.
#include "pictures.h"
#include "testfiles.h"
#include "ui/clicklabel.h"
#include "ui/firstpaint.h"
#include "ui/fittext.h"
#include "ui/flatbutton.h"
#include "ui/picturecache.h"
#include "ui/picturepart.h"
#include "ui/soundloader.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Saves a picture whose left half is `left` and right half `right`; gives its path.
QString picture(const QTemporaryDir &dir, const QString &name, const QSize &size,
                const QColor &left, const QColor &right, const char *format = "PNG") {
    QImage image(size, QImage::Format_RGB32);
    image.fill(right);
    QPainter(&image).fillRect(0, 0, size.width() / 2, size.height(), left);
    return image.save(dir.filePath(name), format) ? dir.filePath(name) : QString();
}

// Whether the pixel is opaque and within a few steps of the colour.
bool looksLike(const QImage &image, int x, int y, const QColor &colour) {
    const QRgb c = image.pixel(x, y), w = colour.rgb();
    return qAlpha(c) == 255 &&
           qAbs(qRed(c) - qRed(w)) + qAbs(qGreen(c) - qGreen(w)) + qAbs(qBlue(c) - qBlue(w)) < 16;
}
} // namespace

class TestUiWidgets : public QObject {
    Q_OBJECT

  private slots:
    // Red pictures in another format under a card's name, a "@2x" twin in blue, so that a pixel
    // tells which file was drawn. A picture of the box's shape fills it; any other fills its
    // middle, transparent around it. The extension starts at the last dot.
    void cardPictures() {
        QTemporaryDir dir;
        const QSize box(20, 40);
        const QString png = picture(dir, "1.x.gif", box, Qt::red, Qt::red);
        const QString jpeg = picture(dir, "2.gif", {40, 20}, Qt::red, Qt::red, "JPG");
        picture(dir, "1.x@2x.gif", box * 2, Qt::blue, Qt::blue);
        writeFile(dir, "2@2x.gif", "GIF89a but not a picture");
        const std::tuple<QString, qreal, QColor> cases[] = {
            {png, 1.0, Qt::red},  {png, 2.0, Qt::blue}, {png, 1.5, Qt::blue},
            {jpeg, 1.0, Qt::red}, {jpeg, 2.0, Qt::red}, {jpeg, 1.5, Qt::red}};
        PictureCache cache;
        for (int pass = 0; pass < 2; ++pass) { // the second time from memory, the files gone
            for (const auto &[path, ratio, colour] : cases) {
                const QPixmap pixmap = cache.picture(path, box, ratio);
                const QImage image = pixmap.toImage();
                QVERIFY(pixmap.devicePixelRatio() == ratio && image.size() == box * ratio);
                QVERIFY(looksLike(image, 10 * ratio, 20 * ratio, colour));
                QCOMPARE(image.pixelColor(10 * ratio, 1).alpha(), path == png ? 255 : 0);
            }
            QVERIFY(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path()));
        }
        for (int i = 0; i < 1000; ++i)
            cache.picture(dir.filePath(QString::number(i)), QSize(4, 4));
        QVERIFY(cache.cachedCount() > 0 && cache.cachedCount() <= 256);
        // A picture that is missing, empty, no picture, a FIFO (never waited on), or a few
        // bytes that claim gigabytes: the opaque stand-in, drawn at the screen's own pixels.
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("fifo.gif")).constData(), 0600) == 0);
        QElapsedTimer clock;
        clock.start();
        for (const QString &broken :
             {dir.filePath("none.gif"), writeFile(dir, "empty.gif", ""),
              writeFile(dir, "junk.gif", "GIF89a but not a picture"), dir.filePath("fifo.gif"),
              writeFile(dir, "lie.gif", progressiveJpeg(40000))}) {
            QImage standIn = cache.picture(broken, {60, 80}, 2.0).toImage();
            QVERIFY(standIn.devicePixelRatio() == 2.0 && standIn.pixelColor(60, 5).alpha() == 255);
            standIn.setDevicePixelRatio(1.0);
            QCOMPARE(standIn, cache.placeholder({120, 160}).toImage());
        }
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    }

    // The normal background is red and blue, its twin green and yellow (left and right half);
    // the twin is found beside a picture without an extension in a folder with a dot.
    void backgroundsAtTheScreensRatio() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("v1.2"));
        const QString path = picture(dir, "v1.2/back", {200, 100}, Qt::red, Qt::blue);
        const QString twin = picture(dir, "v1.2/back@2x", {400, 200}, Qt::green, Qt::yellow);
        // The part for the window, or the preview: its ratio, size and colours at two places.
        const auto check = [](const QPixmap &shown, qreal ratio, const QSize &size, int leftX,
                              const QColor &left, const QColor &right) {
            const QImage image = shown.toImage();
            QVERIFY(shown.devicePixelRatio() == ratio && shown.size() == size);
            QVERIFY(looksLike(image, leftX, size.height() / 2, left) &&
                    looksLike(image, size.width() - 10, size.height() / 2, right));
        };
        // Only the top-left part the window shows, at the picture's own scale: from the twin,
        // brought down to the screen's pixels between 1 and 2, never read at 1.
        check(visiblePart(path, {150, 80}, 2.0), 2.0, {300, 160}, 190, Qt::green, Qt::yellow);
        check(visiblePart(path, {150, 80}, 1.5), 1.5, {225, 120}, 10, Qt::green, Qt::yellow);
        check(visiblePart(path, {150, 80}, 1.0), 1.0, {150, 80}, 10, Qt::red, Qt::blue);
        QCOMPARE(visiblePart(path, {500, 500}, 2.0).deviceIndependentSize(), QSizeF(200, 100));
        // The preview covers its box with the picture's middle.
        check(coverPreview(path, {90, 15}, 2.0), 2.0, {180, 30}, 10, Qt::green, Qt::yellow);
        // Without the twin: the normal picture as it is, and finely shrunk for the preview.
        QVERIFY(QFile::remove(twin));
        check(visiblePart(path, {150, 80}, 2.0), 1.0, {150, 80}, 10, Qt::red, Qt::blue);
        check(coverPreview(path, {90, 15}, 2.0), 2.0, {180, 30}, 10, Qt::red, Qt::blue);
        for (const QString &bad : {writeFile(dir, "junk.jpg", "not a picture"), twin})
            QVERIFY(visiblePart(bad, {64, 42}).isNull() && coverPreview(bad, {73, 17}).isNull());
    }

    // Lit from the top left; the default button has a dark outline.
    void flatButtonEdges() {
        FlatButton button("OK");
        const QColor face(239, 96, 162);
        button.setPalette(QPalette(face));
        const auto at = [&button](int x, int y) { return button.grab().toImage().pixel(x, y); };
        QVERIFY(at(6, 6) == face.rgb() && at(0, 0) == face.lighter(160).rgb());
        button.setDefault(true);
        QVERIFY(at(0, 0) == qRgb(24, 24, 24) && at(1, 1) == face.lighter(160).rgb());
    }

    // A double-click is one click; a right click or a release off the label is none.
    void clickLabelClicks() {
        ClickLabel label("Homepage");
        int clicks = 0;
        label.onClick = [&clicks] { ++clicks; };
        QTest::mouseClick(&label, Qt::LeftButton);
        QTest::mouseDClick(&label, Qt::LeftButton); // the second press of the double-click
        QTest::mouseRelease(&label, Qt::LeftButton);
        QTest::mouseClick(&label, Qt::RightButton);
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(-5, 10));
        QCOMPARE(clicks, 1);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicks, 2);
    }

    // The largest font that fits, down to the smallest allowed.
    void captionsFitTheirLabel() {
        QLabel label("Close the records");
        label.resize(90, 20);
        fitFontToWidth(&label, 30, 6);
        QFont font = label.font();
        QVERIFY(QFontMetrics(font).horizontalAdvance(label.text()) <= 90);
        font.setPixelSize(font.pixelSize() + 1);
        QVERIFY(QFontMetrics(font).horizontalAdvance(label.text()) > 90);
        fitFontToWidth(&label, 30, 25);
        QCOMPARE(label.font().pixelSize(), 25);
    }

    // Once, after the window's first paint, not when it is shown and not at every paint.
    void workAfterTheFirstPaint() {
        QWidget window;
        int runs = 0;
        afterFirstPaint(&window, [&runs] { ++runs; });
        window.show();
        QCOMPARE(runs, 0);
        QTRY_COMPARE_WITH_TIMEOUT(runs, 1, 1000);
        window.repaint();
        QTest::qWait(50);
        QCOMPARE(runs, 1);
    }

    // The plug-in is looked for in one place only, beside the program or, installed, in the
    // library folder; a file that is no library, or one that others could have put there, is not
    // loaded, and the game stays silent. Sounds asked for before are silence.
    void soundPlugin() {
        QTemporaryDir dir;
        QCOMPARE(soundPluginFile("/opt/k/bin", false), QString("/opt/k/bin/kestrova-sound.so"));
        QVERIFY(soundPluginFile("/opt/k/bin", true).startsWith("/opt/k/bin/../lib/"));
        const QString real = QStringLiteral(KESTROVA_SOUND_PLUGIN_FILE);
        const QString shared = dir.filePath("shared"), copy = shared + "/kestrova-sound.so";
        QVERIFY(QDir().mkdir(shared) && QFile::copy(real, copy));
        QVERIFY(trustedCodeFile(copy));
        const auto others = QFile::WriteOther | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(copy, QFile(copy).permissions() | others));
        QVERIFY(!trustedCodeFile(copy));
        QVERIFY(QFile::setPermissions(copy, QFile(copy).permissions() & ~QFile::WriteOther));
        // A folder that others can write: only a shared one, where nobody can replace what
        // another user put there.
        QVERIFY(chmod(QFile::encodeName(shared).constData(), 0777) == 0);
        QVERIFY(!trustedCodeFile(copy));
        QVERIFY(chmod(QFile::encodeName(shared).constData(), 01777) == 0);
        QVERIFY(trustedCodeFile(copy));
        if (geteuid() == 0) {
            QVERIFY(chown(QFile::encodeName(copy).constData(), 65534, 65534) == 0);
            QVERIFY(!trustedCodeFile(copy));
        }
        QVERIFY(QFile::setPermissions(copy, QFile(copy).permissions() | others));
        writeFile(dir, "kestrova-sound.so", "not a library");
        for (const QString &file : {dir.filePath("kestrova-sound.so"), copy, real}) {
            const bool loads = file == real;
            SoundLoader loader(file);
            QSignalSpy finished(&loader, &SoundLoader::finished);
            loader.play(QStringLiteral(KESTROVA_DATA_DIR "/sounds/click1.wav"));
            loader.load();
            loader.load();
            QVERIFY(finished.wait(5000));
            QCOMPARE(finished.count(), 1);
            QCOMPARE(finished.first().first().toBool(), loads);
            QCOMPARE(loader.isReady(), loads);
            loader.play(QStringLiteral(KESTROVA_DATA_DIR "/sounds/click1.wav"));
        }
    }
};

QTEST_MAIN(TestUiWidgets)
#include "test_ui_widgets.moc"
