// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times the first, cold load of a card picture and one card click with the pictures in memory.
// Prints "key=value" lines for bench/run.py.
#include "gamedriver.h"

#include "game/deal.h"
#include "ui/apppaths.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageReader>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

namespace {

const QString AppDir = QStringLiteral(KESTROVA_BENCH_APP_DIR);
const QSize CardSize(90, 80);

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

double msSince(const QElapsedTimer &timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

[[noreturn]] void fail(const QString &why) {
    std::fprintf(stderr, "click bench: %s\n", qPrintable(why));
    std::exit(1);
}

// Every card picture of every set: a fresh cache each time, so each load reads and decodes the
// file (which the operating system has in memory after the first round).
void coldLoads(int rounds) {
    QStringList files;
    for (int set = 0; set < PictureSetCount; ++set) {
        const QString folder = pictureSetFolder(AppDir, set);
        for (int n = 0; n < CardCount; ++n) {
            const QString path = folder + QStringLiteral("%1.gif").arg(n);
            if (fileExists(path))
                files.append(path);
        }
    }
    if (files.isEmpty())
        fail(QStringLiteral("no card pictures in %1").arg(AppDir));

    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        for (const QString &path : files) {
            PictureCache cache;
            QElapsedTimer timer;
            timer.start();
            const QPixmap picture = cache.picture(path, CardSize);
            times.push_back(msSince(timer));
            if (picture.size() != CardSize)
                fail(QStringLiteral("%1 did not load").arg(path));
        }
    }
    // A file that cannot be read would have timed the stand-in picture instead.
    for (const QString &path : files) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        if (reader.read().isNull())
            fail(QStringLiteral("%1 is no picture").arg(path));
    }
    // The very first load also loads the picture format's plug-in.
    std::printf("picture_first_ms=%.4f\n", times.front());
    std::printf("picture_files=%lld\n", static_cast<long long>(files.size()));
    std::printf("picture_rounds=%d\n", rounds);
    std::printf("picture_loads=%zu\n", times.size());
    std::printf("picture_median_ms=%.4f\n", median(times));
    std::printf("picture_p90_ms=%.4f\n", percentile(times, 0.9));
}

// Counts the paint events of the cards.
class PaintCounter : public QObject {
  public:
    std::array<int, CardCount> paints{};
    const Game *game = nullptr;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            for (int k = 0; k < CardCount; ++k) {
                if (watched == game->card(k))
                    ++paints[k];
            }
        }
        return false;
    }
};

// Clicks random cards that are neither open nor the card just clicked, each click followed by the
// repaint it asked for. A board with 11 open pairs is cleared (untimed), so no click ends the game.
void clicks(int perSet, std::vector<double> &times) {
    QTemporaryDir written;
    std::mt19937 pick(2024);
    for (int set = 0; set < PictureSetCount; ++set) {
        Game game(AppDir, set, {}, written.path());
        Form1 &window = *game.window;
        if (!QTest::qWaitForWindowExposed(&window))
            fail(QStringLiteral("the main window was not shown"));
        PaintCounter counter;
        counter.game = &game;
        for (int k = 0; k < CardCount; ++k)
            game.card(k)->installEventFilter(&counter);

        // Every picture of the deal into the cache, as a click would put it there.
        for (int k = 0; k < CardCount; ++k)
            game.pictures.picture(game.model.board().CardPic[k], game.card(k)->size());

        for (int i = 0; i < perSet; ++i) {
            const Board &board = game.model.board();
            if (board.OpenPairs >= PairCount - 1) {
                game.model.clearBoard();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            }
            std::vector<int> closed;
            for (int k = 0; k < CardCount; ++k) {
                if (!board.CardOpen[k] && k != board.PrevCard)
                    closed.push_back(k);
            }
            const int k =
                closed[std::uniform_int_distribution<std::size_t>(0, closed.size() - 1)(pick)];
            const int paintsBefore = counter.paints[k];

            QElapsedTimer timer;
            timer.start();
            game.click(k);
            // What the event loop does next: paint the changed cards and flush the window.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            times.push_back(msSince(timer));

            if (counter.paints[k] == paintsBefore)
                fail(QStringLiteral("card %1 was not painted after its click").arg(k));
            if (!game.card(k)->hasPicture())
                fail(QStringLiteral("card %1 shows no picture after its click").arg(k));
        }
    }
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    std::printf("qt=%s\n", qVersion());
    std::printf("platform=%s\n", qPrintable(QGuiApplication::platformName()));
    coldLoads(10);
    std::vector<double> times;
    clicks(500, times);
    std::printf("click_count=%zu\n", times.size());
    std::printf("click_median_ms=%.4f\n", median(times));
    std::printf("click_p90_ms=%.4f\n", percentile(times, 0.9));
    std::printf("click_max_ms=%.4f\n", *std::max_element(times.begin(), times.end()));
    return 0;
}
