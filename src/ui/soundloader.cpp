// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading the sound plug-in off the start-up path.
#include "ui/soundloader.h"

#include "ui/apppaths.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
const QString PluginName = QStringLiteral(KESTROVA_SOUND_PLUGIN);
// The plug-in's one entry: a new player, owned by the caller.
using MakePlayer = SoundSink *(*)();
} // namespace

QString soundPluginFile(const QString &programFolder, bool installed) {
    return installed
               ? appFile(programFolder, QStringLiteral(KESTROVA_INSTALLED_PLUGINS "/") + PluginName)
               : appFile(programFolder, PluginName);
}

bool trustedCodeFile(const QString &path) {
    QString place = QFileInfo(path).canonicalFilePath();
    if (place.isEmpty() || !QFileInfo(place).isFile())
        return false;
#ifdef Q_OS_UNIX
    for (;;) {
        struct stat info {};
        if (::stat(QFile::encodeName(place).constData(), &info) != 0)
            return false;
        const bool owned = info.st_uid == 0 || info.st_uid == ::geteuid();
        const bool othersWrite = (info.st_mode & S_IWOTH) && !(info.st_mode & S_ISVTX);
        if (!owned || othersWrite)
            return false;
        if (place == QLatin1String("/"))
            return true;
        place = QFileInfo(place).path();
    }
#else
    return true;
#endif
}

SoundLoader::SoundLoader(const QString &pluginFile, QObject *parent)
    : QObject(parent), m_file(pluginFile) {}

SoundLoader::~SoundLoader() {
    if (m_thread)
        m_thread->wait();
    // The player goes before the library: its code is the library's. The library stays loaded
    // to the end of the process, as the toolkit's own plug-ins do.
    m_player.reset();
}

void SoundLoader::load() {
    if (m_thread)
        return;
    // Loading maps and relocates a score of libraries: a few milliseconds a click would wait for.
    // An exception must not leave the thread (it would end the game): the game is silent then.
    m_thread = QThread::create([this] {
        try {
            if (trustedCodeFile(m_file)) {
                m_library.setFileName(QFileInfo(m_file).canonicalFilePath());
                m_library.load();
            }
        } catch (...) {
        }
    });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, &SoundLoader::takePlayer);
    m_thread->start();
}

void SoundLoader::takePlayer() {
    if (m_library.isLoaded()) {
        if (auto make = reinterpret_cast<MakePlayer>(m_library.resolve("kestrovaSoundPlayer"))) {
            try {
                m_player.reset(make());
            } catch (...) {
                m_player.reset();
            }
        }
    }
    emit finished(isReady());
}

void SoundLoader::play(const QString &path) {
    if (m_player)
        m_player->play(path);
}
