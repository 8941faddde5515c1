// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading the sound plug-in off the start-up path.
#include "ui/soundloader.h"

#include "ui/apppaths.h"

#include <QThread>

namespace {
const QString PluginName = QStringLiteral(KESTROVA_SOUND_PLUGIN);
// The plug-in's one entry: a new player, owned by the caller.
using MakePlayer = SoundSink *(*)();
} // namespace

QStringList soundPluginFiles(const QString &programFolder) {
    return {appFile(programFolder, PluginName),
            appFile(programFolder, QStringLiteral(KESTROVA_INSTALLED_PLUGINS "/") + PluginName)};
}

SoundLoader::SoundLoader(const QStringList &pluginFiles, QObject *parent)
    : QObject(parent), m_files(pluginFiles) {}

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
    m_thread = QThread::create([this] {
        for (const QString &file : m_files) {
            if (!fileExists(file))
                continue;
            m_library.setFileName(file);
            if (m_library.load())
                return;
        }
    });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, &SoundLoader::takePlayer);
    m_thread->start();
}

void SoundLoader::takePlayer() {
    if (m_library.isLoaded()) {
        if (auto make = reinterpret_cast<MakePlayer>(m_library.resolve("kestrovaSoundPlayer")))
            m_player.reset(make());
    }
    emit finished(isReady());
}

void SoundLoader::play(const QString &path) {
    if (m_player)
        m_player->play(path);
}
