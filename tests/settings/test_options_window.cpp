// The options window and the settings through the real windows: start-up from the settings
// file, the four buttons, the backgrounds and both languages on both windows.
#include "gamedriver.h"
#include "i18n/captiontable.h"
#include "modal.h"
#include "records/recordsview.h"
#include "testfiles.h"
#include "ui/clicklabel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor DarkRed(128, 0, 0);
const QColor Grey(200, 200, 200);
const QColor Pink(239, 96, 162);

QColor textColour(const QWidget *label) {
    return label->palette().color(QPalette::WindowText);
}

QColor fill(const QWidget *control) {
    return control->palette().color(QPalette::Window);
}

// The caption table's value for a row as the controls now show it.
QString shown(Game &g, const Caption::Row &row) {
    QWidget *window =
        row.window == Caption::Window::Main ? static_cast<QWidget *>(g.window) : &g.program.form2();
    QWidget *control = row.control[0] ? window->findChild<QWidget *>(row.control) : window;
    if (!control)
        return QStringLiteral("<no control %1>").arg(row.control);
    switch (row.property) {
    case Caption::Property::Caption:
        if (auto *frame = qobject_cast<QGroupBox *>(control))
            return frame->title();
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            return button->text();
        return qobject_cast<QLabel *>(control)->text();
    case Caption::Property::Title:
        return control->windowTitle();
    case Caption::Property::ToolTip:
        return control->toolTip();
    case Caption::Property::Enabled:
        return control->isEnabled() ? "yes" : "no";
    case Caption::Property::Visible:
        return control->isVisibleTo(window) ? "yes" : "no";
    case Caption::Property::Texts:
        break;
    }
    return g.state.MsgFirstPlace;
}

// Every row of the caption table shows its column of `language`, and the chosen language's
// label is black on both windows, the other one dark red.
void checkLanguage(Game &g, bool russian) {
    for (const Caption::Row &row : Caption::rows()) {
        const char *expected = russian ? row.russian : row.english;
        if (row.property == Caption::Property::Texts)
            expected = russian ? "ПОБЕДА!   У тебя 1-е место!" : "VICTORY!   You is First!";
        QCOMPARE(shown(g, row), QString::fromUtf8(expected));
    }
    for (auto labels : {g.window->lblLOC, g.program.form2().lblLOC}) {
        QCOMPARE(textColour(labels[0]), russian ? QColor(Qt::black) : DarkRed);
        QCOMPARE(textColour(labels[1]), russian ? DarkRed : QColor(Qt::black));
    }
}

QImage solid(const QColor &colour) {
    QImage image(641, 425, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestOptionsWindow : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        writeSet(m_dir->path() + "/img0", 12, "Colours");
        writeSet(m_dir->path() + "/img1", 12, "Shapes");
        writeSet(m_dir->path() + "/img5", 24, "Pairs");
    }

    void startUpFromSettingsFile_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("background");
        QTest::addColumn<int>("set");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<float>("language");
        QTest::addColumn<QString>("soundLabel");
        QTest::addColumn<QString>("clearCaption");
        QTest::addColumn<QColor>("cards");

        QTest::newRow("no file") << QByteArray() << 0 << 0 << true << 1.0f << "Sound"
                                 << "Clear" << Grey;
        QTest::newRow("background alone")
            << QByteArray("optFon=4\r\n") << 4 << 0 << true << 1.0f << "Sound"
            << "Clear" << Pink;
        QTest::newRow("third line without key")
            << QByteArray("optFon=0\r\noptP=1\r\n0\r\n") << 0 << 1 << false << 1.0f << "Sound"
            << "Clear" << Grey;
        QTest::newRow("swapped lines")
            << QByteArray("optP=1\r\noptFon=4\r\n") << 1 << 4 << true << 1.0f << "Sound"
            << "Clear" << QColor(225, 205, 190);
        QTest::newRow("Russian") << QByteArray("optFon=0\r\noptP=0\r\nchks.Value=1\r\n"
                                               "Localisation=0\r\nchkz.Value=0\r\n")
                                 << 0 << 0 << true << 0.0f << "Звук"
                                 << "Очистить" << Grey;
        // Rounds to Russian: the label says so, the texts stay as the windows were made.
        QTest::newRow("language 0.4")
            << QByteArray("1\r\n1\r\n1\r\n0.4\r\n") << 1 << 1 << true << 0.4f << "Звук"
            << "Clear" << QColor(225, 205, 190);
        QTest::newRow("language 2")
            << QByteArray("0\r\n0\r\n1\r\n2\r\n") << 0 << 0 << true << 2.0f << "Звук"
            << "Clear" << Grey;
        // The button is chosen by number, the colour by the text itself, which names none.
        QTest::newRow("trailing blank")
            << QByteArray("optFon=3 \r\n") << 3 << 0 << true << 1.0f << "Sound"
            << "Clear" << Grey;
        QTest::newRow("nothing usable")
            << QByteArray("optFon=9\r\noptP=x\r\nchks.Value=7\r\nLocalisation=English\r\n"
                          "chkz.Value=\r\nsix\r\nseven\r\neight\r\n")
            << 0 << 0 << true << 1.0f << "Sound"
            << "Clear" << Grey;
        QTest::newRow("binary") << QByteArray("\xff\xfe\x00\x01=\x80\r\n\x00", 9) << 0 << 0 << true
                                << 1.0f << "Sound"
                                << "Clear" << Grey;
    }
    void startUpFromSettingsFile() {
        QFETCH(QByteArray, file);
        QFETCH(int, background);
        QFETCH(int, set);
        QFETCH(bool, sound);
        QFETCH(float, language);
        QFETCH(QString, soundLabel);
        QFETCH(QString, clearCaption);
        QFETCH(QColor, cards);
        if (!file.isNull())
            writeFile(*m_dir, "Kestrova.ini", file);
        Game g(m_dir->path());
        Form2 &o = g.program.form2();
        QVERIFY(!o.chkZ->isChecked() && !o.chkR->isChecked());
        QCOMPARE(QFile::exists(m_dir->filePath("Kestrova.ini")), !file.isNull()); // only read
        QVERIFY(o.optFon[background]->isChecked());
        QVERIFY(o.optP[set]->isChecked());
        QVERIFY(g.window->board.CardPic[0].contains(QStringLiteral("/img%1/").arg(set)));
        QCOMPARE(o.chkS->isChecked(), sound);
        QCOMPARE(g.state.SoundFile[2], sound ? g.file("click2") : QString());
        QCOMPARE(g.state.Language, language);
        QCOMPARE(g.window->lblSND->text(), soundLabel);
        QCOMPARE(g.window->cmdTOP[0]->text(), clearCaption);
        QCOMPARE(g.window->Foto[1]->backColor(), cards);
        QCOMPARE(fill(g.window->lblZAG), cards);
        QCOMPARE(textColour(g.window->lblLOC[0]), language < 0.5f ? QColor(Qt::black) : DarkRed);
        QCOMPARE(textColour(o.lblLOC[1]), language == 1.0f ? QColor(Qt::black) : DarkRed);
    }

    void languageLabelsSwitchBothWindows() {
        Game g(m_dir->path());
        Form2 &o = g.program.form2();
        g.window->cmdTOP[3]->click(); // the records are shown
        QTest::mouseClick(g.window->lblLOC[0], Qt::LeftButton);
        checkLanguage(g, true);
        QCOMPARE(g.state.Language, 0.0f);
        QCOMPARE(g.state.HelpFileName, QStringLiteral("\\help.txt"));
        // The records button gets its normal caption while the records stay shown.
        QVERIFY(g.window->lvRecord->isVisible());
        o.lblLOC[1]->onClick();
        checkLanguage(g, false);
        o.lblLOC[1]->onClick(); // again: no change
        checkLanguage(g, false);
        // The sound label names its next switch until the language is applied again.
        QTest::mouseClick(g.window->lblSND, Qt::LeftButton);
        QCOMPARE(g.window->lblSND->text(), QStringLiteral("Snd on"));
        o.lblLOC[0]->onClick();
        QCOMPARE(g.window->lblSND->text(), QStringLiteral("Звук"));
        QVERIFY(!o.chkS->isChecked());
    }

    void cancelRestoresClockAndKeepsClicks() {
        writeFile(*m_dir, "record.txt", "999~Unknown~Colours~6~1.1.2026~^\r\n");
        Game g(m_dir->path());
        Form2 &o = g.program.form2();
        g.state.ClockSeconds = 12;
        onNextModal([&](QWidget *) {
            g.state.ClockSeconds += 30; // half a minute spent choosing
            o.optFon[4]->setChecked(true);
            o.chkR->setChecked(true);
            o.chkS->setChecked(false);
            o.cmdNAS[3]->click();
        });
        g.window->cmdTOP[1]->click();
        QCOMPARE(g.state.ClockSeconds, 12);
        QVERIFY(!o.isVisible() && !o.chkR->isChecked());
        QVERIFY(QFile::exists(m_dir->filePath("record.txt")));
        QVERIFY(!QFile::exists(m_dir->filePath("Kestrova.ini")));
        // Clicks are kept, but the background was never applied; sound stays off.
        QVERIFY(o.optFon[4]->isChecked());
        QCOMPARE(g.window->Foto[0]->backColor(), Grey);
        QCOMPARE(g.state.SoundFile[1], g.file("No"));
    }

    void okSavesAppliesClearsAndErases() {
        writeFile(*m_dir, "record.txt", "999~Unknown~Colours~6~1.1.2026~^\r\n");
        Game g(m_dir->path());
        Form2 &o = g.program.form2();
        const auto deal = g.window->board.CardPic;
        g.click(g.pairs()[0].first);
        g.click(g.pairs()[0].second);
        g.state.ClockSeconds = 40;
        onNextModal([&](QWidget *) {
            o.optFon[4]->setChecked(true);
            o.optP[1]->setChecked(true);
            o.chkR->setChecked(true);
            o.chkS->setChecked(false);
            o.chkZ->setChecked(true);
            o.lblLOC[0]->onClick();
            o.cmdNAS[2]->click();
        });
        g.window->cmdTOP[1]->click();
        QVERIFY(!o.isVisible() && !o.chkR->isChecked());
        QVERIFY(!QFile::exists(m_dir->filePath("record.txt")));
        QCOMPARE(g.state.ClockSeconds, 0);
        QCOMPARE(g.window->board.OpenPairs, 0);
        QVERIFY(!g.window->Foto[g.pairs()[0].first]->hasPicture());
        QCOMPARE(g.window->board.CardPic, deal); // no new deal until the next start
        QCOMPARE(g.window->Foto[7]->backColor(), Pink);
        QCOMPARE(fill(g.window->Frame2), Pink);
        QCOMPARE(fill(g.window->lblEnd[2]), Pink);
        QCOMPARE(readBytes(m_dir->filePath("Kestrova.ini")),
                 QByteArray("optFon=4\r\noptP=1\r\nchks.Value=0\r\nLocalisation=0\r\n"
                            "chkz.Value=1\r\n"));

        // A second OK with nothing to erase says nothing.
        MessageCloser messages;
        o.chkR->setChecked(true);
        o.cmdNAS[2]->click();
        QVERIFY(messages.said.isEmpty());

        // The next run starts with everything that was saved.
        Game next(m_dir->path());
        Form2 &again = next.program.form2();
        QVERIFY(again.optFon[4]->isChecked() && again.optP[1]->isChecked());
        QVERIFY(!again.chkS->isChecked() && again.chkZ->isChecked() && again.chkZ->isEnabled());
        QVERIFY(next.window->board.CardPic[0].contains("/img1/"));
        QCOMPARE(next.window->Foto[0]->backColor(), Pink);
        QCOMPARE(next.state.SoundFile[4], QString()); // off from the start: silent
        checkLanguage(next, true);
    }

    void backgroundPictures() {
        QDir().mkpath(m_dir->filePath("back"));
        solid(Qt::blue).save(m_dir->filePath("back/back2.jpg"), "JPEG");
        solid(Qt::green).save(m_dir->filePath("back/back0.jpg"), "JPEG");
        writeFile(*m_dir, "back/back1.jpg", "not a picture");
        Game g(m_dir->path());
        Form2 &o = g.program.form2();
        auto pictureColour = [&g] {
            const QImage image = g.window->backgroundPicture().toImage();
            return image.isNull() ? QColor() : QColor(image.pixel(300, 200));
        };
        auto apply = [&o](int n) {
            o.optFon[n]->setChecked(true);
            o.cmdNAS[0]->click();
        };
        QCOMPARE(pictureColour().green(), 255); // choice 0 with its picture
        QCOMPARE(g.window->Foto[0]->backColor(), Grey);
        apply(2);
        QCOMPARE(pictureColour().blue(), 254);
        QCOMPARE(g.window->Foto[0]->backColor(), QColor(255, 197, 85));
        // No picture for 4, and one that cannot be read for 1: the window keeps the picture.
        apply(4);
        QCOMPARE(g.window->Foto[0]->backColor(), Pink);
        QCOMPARE(fill(g.window->cmdTOP[0]), Pink);
        QCOMPARE(pictureColour().blue(), 254);
        apply(1);
        QCOMPARE(pictureColour().blue(), 254);
        // The plain look without its picture takes the picture away.
        QFile::remove(m_dir->filePath("back/back0.jpg"));
        apply(0);
        QVERIFY(g.window->backgroundPicture().isNull());
        QCOMPARE(fill(g.window), QColor(180, 180, 180));
        QVERIFY(!QFile::exists(m_dir->filePath("Kestrova.ini")));

        // Previews: the pictures that could be read, the others empty.
        QVERIFY(!o.picChoose[0]->pixmap().isNull() && !o.picChoose[2]->pixmap().isNull());
        QCOMPARE(o.picChoose[2]->pixmap().size(), o.picChoose[2]->size());
        QVERIFY(o.picChoose[1]->pixmap().isNull() && o.picChoose[3]->pixmap().isNull());
    }

    void applyPicturesBuildsANewMainWindow() {
        Game g(m_dir->path());
        QPointer<Form1> old = g.window;
        QPointer<Form2> oldOptions = &g.program.form2();
        g.state.ClockSeconds = 25;
        onNextModal([&](QWidget *) {
            Form2 &o = g.program.form2();
            o.optP[5]->setChecked(true);
            o.optFon[3]->setChecked(true); // clicked but never applied
            o.cmdNAS[1]->click();
        });
        old->cmdTOP[1]->click();
        QTRY_VERIFY(oldOptions.isNull());
        Form1 *now = g.program.form1();
        QVERIFY(now && now != old && now->isVisible() && !old->isVisible());
        QVERIFY(!old->Timer1->isActive());
        QCOMPARE(g.random.seedCalls(), 2);
        QVERIFY(now->board.NumberPairMode);
        QVERIFY(now->board.CardPic[0].contains("/img5/"));
        QCOMPARE(now->board.PrevCard, 23);
        QCOMPARE(g.state.ClockSeconds, 0);
        QVERIFY(now->Timer1->isActive());
        Form2 &o = g.program.form2();
        QVERIFY(!o.isVisible() && o.optP[5]->isChecked() && o.optFon[0]->isChecked());
        QVERIFY(readBytes(m_dir->filePath("Kestrova.ini")).startsWith("optFon=0\r\noptP=5\r\n"));
        QVERIFY(!g.program.quitRequested());
    }

    void settingsThatCannotBeSaved() {
        QDir().mkdir(m_dir->filePath("Kestrova.ini")); // a folder in the file's place
        Game g(m_dir->path());
        Form2 &o = g.program.form2();
        MessageCloser messages;
        o.optFon[6]->setChecked(true);
        o.optP[1]->setChecked(true);
        o.chkS->setChecked(false);
        o.cmdNAS[2]->click();
        QTRY_COMPARE(messages.said.size(), 1);
        QVERIFY(messages.said[0].startsWith("The settings were not saved"));
        // The next start of the main window keeps the choices made in this run.
        o.cmdNAS[1]->click();
        Form2 &again = g.program.form2();
        QVERIFY(again.optFon[6]->isChecked() && again.optP[1]->isChecked());
        QVERIFY(!again.chkS->isChecked());
        QVERIFY(g.program.form1()->board.CardPic[0].contains("/img1/"));
        QTest::qWait(50);
        QCOMPARE(messages.said.size(), 1); // told once
        QVERIFY(QFileInfo(m_dir->filePath("Kestrova.ini")).isDir());
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestOptionsWindow)
#include "test_options_window.moc"
