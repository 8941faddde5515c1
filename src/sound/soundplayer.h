// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the game's WAV sounds without waiting: one sound at a time, missing files are silence.
#pragma once

#include "ui/soundsink.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <map>
#include <memory>

class QAudioSink;
class QIODevice;

// Each file is read and decoded once and kept in memory. A sound is written from memory into an
// audio stream of its own, which replaces the last one's, so that it is heard within milliseconds,
// from its first sample, every time. Without an audio device all but the sound itself happens.
class SoundPlayer : public QObject, public SoundSink {
    Q_OBJECT

  public:
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    // Cuts off the sound still playing and starts `path` as soon as the event loop runs (sounds
    // asked for in one go, such as a click and the chime of the pair it finds, leave the last
    // one). An empty path or a file that is missing or not a PCM WAV only stops.
    void play(const QString &path) override;

    // Connects to the sound server now rather than at the first sound, which then starts without
    // that wait.
    void prepare();

    // How many files have been read, playable or not.
    int loadedSounds() const { return static_cast<int>(m_sounds.size()); }
    // The file last started, or "" after a silent request.
    QString currentSource() const { return m_currentPath; }

  private:
    // A file's samples, ready for the audio stream; none when it cannot be played.
    struct Sound {
        QAudioFormat format;
        QByteArray samples;
    };

    // The game has six sound slots; the bound only matters if ever more files are asked for.
    static constexpr std::size_t maxSounds = 32;

    const Sound &soundFor(const QString &path);
    void startNext();
    void writeWhole(const Sound &sound);
    bool startOutput(const QAudioFormat &format);
    void stopOutput();
    void closeOutput();

    std::map<QString, Sound> m_sounds;
    QString m_currentPath;
    Sound m_next;
    bool m_startPending = false;

    std::unique_ptr<QAudioSink> m_sink;
    QAudioDevice m_device;
    QIODevice *m_output = nullptr;
    QTimer m_idleTimer;
};
