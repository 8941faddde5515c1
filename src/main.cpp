// Starts Kestrova: the shared values and services, then the main window.
#include "game/program.h"
#include "ui/apppaths.h"
#include "ui/picturecache.h"
#include "ui/programstate.h"
#include "ui/randomsource.h"
#include "ui/soundplayer.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(AppTitle));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(KESTROVA_VERSION_MAJOR).arg(KESTROVA_VERSION_MINOR));
    // The program ends when its main window closes, not when a rebuild replaces it.
    QApplication::setQuitOnLastWindowClosed(false);

    ProgramState state;
    state.appFolder = applicationFolder();
    ClockRandom random;
    SoundPlayer sound;
    PictureCache pictures;
    Program program(state, random, sound, pictures);
    program.showMainWindow();
    return QApplication::exec();
}
