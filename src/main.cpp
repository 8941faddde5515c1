// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts Kestrova: the command line, the folders, the shared values and services, then the main
// window.
#include "game/gamemodel.h"
#include "game/program.h"
#include "ui/apppaths.h"
#include "ui/commandline.h"
#include "ui/gamefolders.h"
#include "ui/picturecache.h"
#include "ui/randomsource.h"
#include "ui/soundplayer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>

namespace {
const QString Version = QStringLiteral(KESTROVA_VERSION);

// The icon of the windows, in every size built in, for the taskbar and the window switcher.
QIcon appIcon() {
    QIcon icon;
    // The files are named by their size ("16.png"): given the size, nothing is decoded until
    // the desktop asks for that size.
    const QDir sizes(QStringLiteral(":/app"));
    for (const QString &name : sizes.entryList(QDir::Files)) {
        const int side = QFileInfo(name).baseName().toInt();
        icon.addFile(sizes.filePath(name), QSize(side, side));
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

    QApplication app(argc, argv);

    QApplication::setApplicationName(QString::fromLatin1(AppTitle));
    QApplication::setApplicationVersion(Version);
    QApplication::setDesktopFileName(QStringLiteral(KESTROVA_APP_ID));
    QApplication::setWindowIcon(appIcon());
    // The program ends when its main window closes, not when a rebuild replaces it.
    QApplication::setQuitOnLastWindowClosed(false);

    const GameFolders folders = locateGameFolders(
        applicationFolder(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    ClockRandom random;
    SoundPlayer sound;
    GameModel model(folders, random, sound);
    PictureCache pictures;
    Program program(model, pictures);
    program.showMainWindow();
    return QApplication::exec();
}
