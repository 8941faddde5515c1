// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts Kestrova: the command line, the folders, the shared values and services, then the main
// window.
#include "game/deal.h"
#include "game/gamemodel.h"
#include "game/program.h"
#include "settings/photoswap.h"
#include "ui/apppaths.h"
#include "ui/commandline.h"
#include "ui/firstpaint.h"
#include "ui/gamefolders.h"
#include "ui/picturecache.h"
#include "ui/randomsource.h"
#include "ui/soundloader.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStandardPaths>
#include <csignal>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
const QString Version = QStringLiteral(KESTROVA_VERSION);

// The icon of the windows, in every size built in, for the taskbar and the window switcher. The
// window system takes every size at once, so each is decoded now; naming the format spares the
// picture plug-ins a look at each file.
QIcon appIcon() {
    QIcon icon;
    const QDir sizes(QStringLiteral(":/app"));
    for (const QString &name : sizes.entryList(QDir::Files)) {
        QImageReader reader(sizes.filePath(name), "png");
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

QStringList argumentsOf(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}
} // namespace

int main(int argc, char *argv[]) {
    // Help and version need no screen: they are answered before the toolkit starts.
    const CommandLine command = readCommandLine(argumentsOf(argc, argv), Version);
    if (command.action != CommandLine::Play) {
        std::fputs(command.text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    // A file-size limit (ulimit -f) makes a write fail, which the game reports, instead of ending
    // it: the sound server's client library, for one, sizes a file of 64 MiB.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
#ifdef __GLIBC__
    // Each thread that allocates would otherwise reserve an arena of 64 MiB of address space: more
    // than the game needs in all, and where the address space is limited (ulimit -v), room that
    // the toolkit then lacks, which it does not survive.
    mallopt(M_ARENA_MAX, 2);
#endif
    QApplication app(argc, argv);

    QApplication::setApplicationName(QString::fromLatin1(AppTitle));
    QApplication::setApplicationVersion(Version);
    QApplication::setDesktopFileName(QStringLiteral(KESTROVA_APP_ID));
    // The program ends when its main window closes, not when a rebuild replaces it.
    QApplication::setQuitOnLastWindowClosed(false);

    const GameFolders folders = locateGameFolders(
        applicationFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // A photo set whose swap was cut short last time is brought back before anything is dealt.
    if (folders.writable)
        PhotoSwap::recover(photoSetsFolder(folders.written));
    ClockRandom random;
    // A child of the application, where the start-up benchmark finds it.
    SoundLoader sound(soundPluginFile(applicationFolder(), folders.installed), &app);
    sound.setObjectName(QStringLiteral("sound"));
    GameModel model(folders, random, sound);
    PictureCache pictures;
    Program program(model, pictures);
    // What the first picture of the game does not need waits until it is on the screen: the
    // sound back end, and the window icon, whose seven sizes are decoded when it is set.
    program.showMainWindow();
    afterFirstPaint(program.mainWindow(), [&sound] {
        sound.load();
        QApplication::setWindowIcon(appIcon());
    });
    return QApplication::exec();
}
