// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks paths, the folder layout, the command line, text files, sound files, numbers, the whole
// part of a random draw, the interface language and the texts of both languages.
#include "i18n/accessibletexts.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "sound/wavefile.h"
#include "testfiles.h"
#include "ui/apppaths.h"
#include "ui/commandline.h"
#include "ui/gamefolders.h"
#include "ui/localenumber.h"
#include "ui/randomsource.h"
#include "ui/textfile.h"
#include "ui/windowsize.h"

#include <QTest>
#include <sys/stat.h>

class TestUiCore : public QObject {
    Q_OBJECT

  private slots:
    void windowFactorAndSizeFile() {
        using namespace WindowScale;
        const QSize design(641, 425);
        // The smaller ratio wins; a window near, at or below the design shows the design's pixels.
        QCOMPARE(fittingFactor(QSize(1920, 1061), design), 1061.0 / 425);
        QCOMPARE(fittingFactor(QSize(1282, 2000), design), 2.0);
        for (const QSize small : {QSize(641, 425), QSize(660, 437), QSize(300, 900), QSize()})
            QCOMPARE(fittingFactor(small, design), 1.0);
        QCOMPARE(fittingFactor(QSize(100000, 100000), design), MaxFactor);
        QVERIFY(isChange(1.0, 1.05) && isChange(2.0, 1.97) && !isChange(2.0, 2.015));
        QCOMPARE(designCorner(QSize(800, 425), design), QPoint(79, 0));
        QCOMPARE(designCorner(QSize(641, 500), design), QPoint(0, 37));

        QTemporaryDir dir;
        const QString file = windowSizeFile(dir.path());
        QCOMPARE(file, dir.filePath("Kestrova.size"));
        const WindowSize design1;
        QCOMPARE(readWindowSize(file), design1);
        for (const WindowSize size :
             {WindowSize{WindowSize::Maximized, 1.0}, WindowSize{WindowSize::FullScreen, 1.0},
              WindowSize{WindowSize::Normal, 2.375}}) {
            QVERIFY(writeWindowSize(file, size));
            QCOMPARE(readWindowSize(file), size);
        }
        // Anything else is the design size.
        for (const QByteArray &bad :
             QList<QByteArray>{"0", "1e9", "abc", "nan", "-2", "8.5", "0.5", "1,5", "", "\xff\xfe",
                               QByteArray(1 << 20, '1'), "maximized please"})
            QCOMPARE(readWindowSize(writeFile(dir, "Kestrova.size", bad)), design1);
        QVERIFY(QFile::remove(file) && QDir(dir.path()).mkdir("Kestrova.size"));
        QCOMPARE(readWindowSize(file), design1);
        QVERIFY(!writeWindowSize(file, WindowSize{WindowSize::Maximized, 1.0}));
    }

    void pathsAndLayouts() {
        QCOMPARE(appFile("/opt/k/", "\\sounds\\a.wav"), QString("/opt/k/sounds/a.wav"));
        QCOMPARE(appFile("", "\\img3\\"), QString("img3/"));
        QTemporaryDir root;
        const QString bin = root.filePath("bin"), user = root.filePath("home/Kestrova");
        const QString share = root.filePath("share/kestrova");
        // Beside the program: everything in the program's folder; the user's is not created.
        // A share/kestrova that is a file makes no installed game.
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(root.filePath("share")));
        QVERIFY(fileExists(writeFile(root, "share/kestrova", "x")) && !fileExists(bin));
        const GameFolders portable = locateGameFolders(bin, user);
        QVERIFY(!portable.installed && portable.writable && !QFileInfo::exists(user) &&
                portable.data == bin && portable.written == bin);
        // <prefix>/bin beside <prefix>/share/kestrova: installed, the user's folder is created.
        QVERIFY(QFile::remove(share) && QDir().mkpath(share));
        const GameFolders installed = locateGameFolders(bin + "/", user);
        QVERIFY(installed.installed && installed.writable && QFileInfo(user).isDir() &&
                installed.data == share && installed.written == user);
        // No user folder, or one a file stands in the way of: the data is found, nothing saved.
        for (const QString &bad : {QString(), writeFile(root, "home/blocked", "x") + "/Kestrova"}) {
            const GameFolders broken = locateGameFolders(bin, bad);
            QVERIFY(broken.installed && !broken.writable && broken.data == share);
        }
    }

    // Help wins over version wherever they stand, version over anything else.
    void commandLine() {
        QCOMPARE(readCommandLine({"-x", "-v"}, "2.5").text, QString("Kestrova 2.5\n"));
        QVERIFY(readCommandLine({"-v", "-x", "-h"}, "2.5").text.startsWith("Usage: kestrova"));
        QCOMPARE(readCommandLine({"--version", "--help"}, "2.5").action, CommandLine::ShowHelp);
        QCOMPARE(readCommandLine({"-x", "--version"}, "2.5").action, CommandLine::ShowVersion);
        QCOMPARE(readCommandLine({"photo.jpg", "-x"}, "2.5").action, CommandLine::Play);
    }

    // Lines in UTF-8 or Windows-1251, each judged on its own, ended by CR LF, LF or CR.
    void textFiles() {
        const std::pair<QByteArray, QStringList> cases[] = {
            {"", {}},
            {"a\r\n\r\nb\nc\rd\r\r\n", {"a", "", "b", "c", "d", ""}},
            // A byte order mark; each line in its own encoding.
            {"\xEF\xBB\xBF\xD0\x9C\xD0\xB0\xD1\x88\xD0\xB0\r\n\xCC\xE0\xF8\xE0\r\n\xC3\xA4",
             {"Маша", "Маша", "ä"}}};
        QTemporaryDir dir;
        for (const auto &[bytes, lines] : cases) {
            const QString path = writeFile(dir, "t.txt", bytes);
            QCOMPARE(readTextLines(path), std::optional<QStringList>(lines));
            QCOMPARE(readFirstLine(path), lines.value(0));
        }
        // A long line comes cut (never inside a character), the lines after it still come;
        // reading stops at the file's limit.
        const QString path =
            writeFile(dir, "t.txt", QByteArray(100, 'x') + "\n\xC3\xA4\xC3\xA4\xC3\xA4\nok\n");
        using Lines = std::optional<QStringList>;
        QCOMPARE(readTextLines(path, INT_MAX, {5, 1000}), Lines({"xxxxx", "ää", "ok"}));
        QCOMPARE(readTextLines(path, INT_MAX, {5, 104}), Lines({"xxxxx", "ä"}));
        TextLineReader whole(path, {5, 1000});
        QVERIFY(whole.next() && whole.lastLineCut() && whole.next() && whole.next());
        QVERIFY(!whole.lastLineCut() && !whole.next() && whole.reachedEnd());
        QVERIFY(!readTextLines(dir.path()) && readFirstLine(dir.path()).isEmpty());
        // The new content appears whole; a disk that fills up leaves the old file and nothing
        // else.
        const QString record = writeFile(dir, "record.txt", "an older and longer content");
        QVERIFY(writeTextFileAtomic(record, {"a", "b"}));
        QString error;
        bool written = true;
        QVERIFY(withFileSizeLimit(4096, [&] {
            written = writeTextFileAtomic(record, QStringList(100, QString(100, 'x')), &error);
        }));
        QVERIFY(!written && !error.isEmpty() && readBytes(record) == "a\r\nb\r\n");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"record.txt", "t.txt"}));
        // A FIFO is no file, and is never waited on.
        QVERIFY(mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600) == 0);
        QVERIFY(!readTextLines(dir.filePath("fifo")));
        // A link in a written file's place, to a file or to none, is replaced by the file.
        QTemporaryDir other;
        const QString kept = writeFile(other, "kept.txt", "somebody's");
        for (const QString &target : {kept, other.filePath("new.txt")}) {
            QVERIFY(QFile::link(target, dir.filePath("Kestrova.ini")));
            QVERIFY(writeTextFileAtomic(dir.filePath("Kestrova.ini"), {"optFon=1"}));
            QVERIFY(!QFileInfo(dir.filePath("Kestrova.ini")).isSymLink());
            QVERIFY(QFile::remove(dir.filePath("Kestrova.ini")));
        }
        QCOMPARE(QDir(other.path()).entryList(QDir::Files), QStringList{"kept.txt"});
        QCOMPARE(readBytes(kept), QByteArray("somebody's"));
    }

    // A sound file: its format and samples, whole frames only; anything else is no sound,
    // whatever numbers its header holds.
    void waveFiles() {
        const auto le = [](quint32 value, int bytes) {
            QByteArray out;
            for (int i = 0; i < bytes; ++i)
                out += char(value >> (8 * i) & 0xFF);
            return out;
        };
        const auto wave = [&le](quint32 channels, quint32 bits, quint32 align, QByteArray data) {
            const QByteArray fmt =
                le(1, 2) + le(channels, 2) + le(22050, 4) + le(0, 4) + le(align, 2) + le(bits, 2);
            return "RIFF" + le(0, 4) + "WAVEfmt " + le(16, 4) + fmt + "data" + le(100, 4) + data;
        };
        const auto stereo = decodeWave(wave(2, 16, 4, "abcdefghij"));
        QVERIFY(stereo && stereo->rate == 22050 && stereo->channels == 2 && stereo->bits == 16);
        QCOMPARE(stereo->samples, QByteArray("abcdefgh"));
        for (const QByteArray &bad :
             {wave(65535, 65535, 0xFFFF, "abcd"), wave(2, 16, 2, "abcd"), wave(1, 8, 1, ""),
              wave(3, 8, 3, "abc"), QByteArray("RIFF\0\0\0\0WAVE")})
            QVERIFY(!decodeWave(bad));
    }

    void localeNumbers() {
        for (const auto &[loc, sep] : {std::pair(QLocale::c(), QString(".")),
                                       std::pair(QLocale(QLocale::Russian), QString(","))}) {
            QCOMPARE(formatGeneral(1 / 10.0 + 3, loc), "3" + sep + "1");
            QCOMPARE(formatGeneral(1e15, loc), QString("1000000000000000"));
            QCOMPARE(parseLocaleNumber(" 57.3 ", loc), std::optional<double>(57.3));
            QCOMPARE(parseLocaleNumber("-57,3", loc), std::optional<double>(-57.3));
            for (const char *bad : {"", "12a", "1.2.3", "1,234.5", "1\u00A0234", "nan", "inf"})
                QVERIFY2(!parseLocaleNumber(bad, loc), bad);
        }
    }

    void wholeNumbers() {
        const std::pair<double, int> rounded[] = {{2.5, 2},        {3.5, 4},         {-2.5, -2},
                                                  {1e12, INT_MAX}, {-1e12, INT_MIN}, {qQNaN(), 0}};
        for (const auto &[value, expected] : rounded)
            QCOMPARE(roundHalfEven(value), expected);
        // A draw at the very top still names the last of `count`.
        const std::tuple<int, double, int> drawn[] = {
            {24, 0.0, 0}, {24, 0.5, 12}, {24, 0.999, 23}, {24, 1.0, 23},
            {0, 0.5, 0},  {-3, 0.5, 0},  {5, -0.5, 0},    {5, qQNaN(), 0}};
        for (const auto &[count, r, expected] : drawn)
            QCOMPARE(wholePart(count, r), expected);
    }

    // 0 is Russian, 1 English; a hand-edited number chooses neither and marks the nearest label.
    void language() {
        // The setting, the language it chooses (-1 none) and the label it marks.
        const std::tuple<float, int, int> cases[] = {{0, 0, 0},     {1, 1, 1},      {0.4f, -1, 0},
                                                     {0.5f, -1, 0}, {1.2f, -1, 1},  {1.5f, -1, -1},
                                                     {2, -1, -1},   {-0.6f, -1, -1}};
        for (const auto &[setting, chosen, marked] : cases) {
            const Language language = Language::fromSetting(setting);
            QCOMPARE(language.chosen() ? int(*language.chosen()) : -1, chosen);
            QVERIFY(language.russian() == (chosen == 0) && language.english() == (chosen == 1));
            QCOMPARE(language.markedLabel(), marked);
        }
    }

    // What screen readers hear, and one table of texts with a Russian and an English column.
    void textsOfBothLanguages() {
        const std::pair<QString, const char *> said[] = {
            {message(Msg::NoMatch, true), "Не пара."},
            {cardName(6, CardState::FaceDown, "fox", false), "card 7, face down"},
            {cardName(0, CardState::FaceUp, "лиса", true), "карточка 1, лиса, открыта"},
            {cardName(23, CardState::Found, "", false), "card 24, found"},
            {pairFoundText("fox", false), "A pair: fox!"},
            {victoryText("12,5", false, true),
             "Победа! Время: 12,5 с. Enter: играть ещё, F2: новая раскладка."},
            {victoryText("7", true, false),
             "Victory! Your time: 7 seconds. It is a record: type your name and press Enter."}};
        for (const auto &[text, expected] : said)
            QCOMPARE(text, QString::fromUtf8(expected));
        // Only the older program's messages about its files have no English of their own.
        const QList<Msg> russianOnly{Msg::TooManyResults, Msg::RiddleTitle, Msg::RiddleMissing};
        for (int id = 0; id <= int(Msg::Friend); ++id) {
            const QString russian = message(Msg(id), true), english = message(Msg(id), false);
            QVERIFY2(!russian.isEmpty() && !english.isEmpty(), qPrintable(english));
            QVERIFY2((russian == english) == russianOnly.contains(Msg(id)), qPrintable(english));
        }
    }
};

QTEST_GUILESS_MAIN(TestUiCore)
#include "test_ui_core.moc"
