// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound back end is a plug-in, loaded once the program has time for it: the program starts
// without the sound libraries, and every sound asked for before the plug-in is ready is silence.
#pragma once

#include "ui/soundsink.h"

#include <QLibrary>
#include <QObject>
#include <QStringList>
#include <memory>

class QThread;

// The files where the sound plug-in may lie for a program in `programFolder`: beside it (the
// build tree, an unpacked archive), then in the library folder of an installed program.
QStringList soundPluginFiles(const QString &programFolder);

class SoundLoader : public QObject, public SoundSink {
    Q_OBJECT

  public:
    explicit SoundLoader(const QStringList &pluginFiles, QObject *parent = nullptr);
    ~SoundLoader() override;

    // Loads the first of the plug-in files that loads, in a thread of its own so that the
    // windows never wait; `finished` follows. Only the first call does anything.
    void load();
    bool isReady() const { return m_player != nullptr; }

    // Silence until the plug-in is ready, and for good when there is none.
    void play(const QString &path) override;

  signals:
    void finished(bool ready);

  private:
    void takePlayer();

    const QStringList m_files;
    QLibrary m_library;
    QThread *m_thread = nullptr;
    std::unique_ptr<SoundSink> m_player;
};
