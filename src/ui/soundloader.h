// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound back end is a plug-in, loaded once the program has time for it: the program starts
// without the sound libraries, and every sound asked for before the plug-in is ready is silence.
#pragma once

#include "ui/soundsink.h"

#include <QLibrary>
#include <QObject>
#include <QString>
#include <memory>

class QThread;

// Where the sound plug-in lies for a program in `programFolder`: beside it in a portable copy (the
// build tree, an unpacked archive), in <prefix>/lib/<architecture>/kestrova when the game is
// installed. No other place is ever looked at: code is loaded only from where the game put it.
QString soundPluginFile(const QString &programFolder, bool installed);

// Whether code at `path` may be loaded: it and every folder above it belong to the user or to the
// system, and none can be changed by others (but for a shared folder such as /tmp, where nobody
// can replace what another user put there). A library that someone else could have put in place
// is not loaded.
bool trustedCodeFile(const QString &path);

class SoundLoader : public QObject, public SoundSink {
    Q_OBJECT

  public:
    explicit SoundLoader(const QString &pluginFile, QObject *parent = nullptr);
    ~SoundLoader() override;

    // Loads the plug-in in a thread of its own, so that the windows never wait; `finished`
    // follows. Only the first call does anything.
    void load();
    bool isReady() const { return m_player != nullptr; }

    // Silence until the plug-in is ready, and for good when it cannot be loaded.
    void play(const QString &path) override;

  signals:
    void finished(bool ready);

  private:
    void takePlayer();

    const QString m_file;
    QLibrary m_library;
    QThread *m_thread = nullptr;
    std::unique_ptr<SoundSink> m_player;
};
