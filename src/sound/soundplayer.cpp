// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the game's WAV sounds without waiting: one sound at a time, missing files are silence.
#include "sound/soundplayer.h"

#include "sound/wavefile.h"
#include "ui/ownfiles.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <new>
#include <optional>

namespace {

// The latency asked of the server. A device that cannot mix a new sound in early makes it wait up
// to this long. The whole sound goes to the server at its start, so that nothing the game or the
// machine is busy with can make it break up.
constexpr int BufferMs = 40;
constexpr qsizetype WritePieceBytes = 16 * 1024;
// A stream is closed this long after its sound has played, so that the sound device can rest.
constexpr int IdleCloseMs = 1000;
// The game's sounds are a few seconds long; anything much bigger is not one of them.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

// A sound ready for the audio stream.
std::optional<std::pair<QAudioFormat, QByteArray>> playable(const QByteArray &file) {
    std::optional<Wave> wave = decodeWave(file);
    if (!wave)
        return std::nullopt;
    QAudioFormat format;
    format.setSampleRate(wave->rate);
    format.setChannelCount(wave->channels);
    format.setSampleFormat(wave->bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    // A new stream plays once it holds a buffer's worth: silence after the sound lets a short one
    // start at once, and lets the stream close after it without cutting it off.
    const qsizetype tail = format.bytesForDuration(2 * BufferMs * 1000);
    return std::make_pair(format,
                          wave->samples + QByteArray(tail, wave->bits == 8 ? '\x80' : '\0'));
}

QtMessageHandler previousHandler = nullptr;

void withoutServerComplaint(QtMsgType type, const QMessageLogContext &context,
                            const QString &text) {
    if (!text.startsWith(QLatin1String("PulseAudioService:")))
        previousHandler(type, context, text);
}

// The first look for a sound device connects to the sound server, and Qt says on the error
// stream when there is none; on a machine without speakers that is no news.
QAudioDevice defaultOutput() {
    static bool looked = false;
    if (looked)
        return QMediaDevices::defaultAudioOutput();
    looked = true;
    previousHandler = qInstallMessageHandler(withoutServerComplaint);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    qInstallMessageHandler(previousHandler);
    return device;
}

} // namespace

// The timer is the player's child, so that it moves with it to the thread it plays in.
SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent), m_idleTimer(this) {
    m_idleTimer.setSingleShot(true);
    connect(&m_idleTimer, &QTimer::timeout, this, &SoundPlayer::stopOutput);
}

SoundPlayer::~SoundPlayer() {
    closeOutput();
}

void SoundPlayer::prepare() {
    defaultOutput();
}

void SoundPlayer::play(const QString &path) {
    const QFileInfo file(path);
    const Sound *sound = nullptr;
    // Without the memory for a sound, there is silence instead of an end to the game.
    try {
        sound = !path.isEmpty() && file.isFile() ? &soundFor(file.absoluteFilePath()) : nullptr;
    } catch (const std::bad_alloc &) {
        m_sounds.clear();
    }
    m_next = sound ? *sound : Sound();
    m_currentPath = m_next.samples.isEmpty() ? QString() : path;
    // The sound starts once the event loop runs again: of several asked for at once only the
    // last is heard, and the caller never waits on the sound server.
    if (!m_startPending) {
        m_startPending = true;
        QMetaObject::invokeMethod(this, &SoundPlayer::startNext, Qt::QueuedConnection);
    }
}

const SoundPlayer::Sound &SoundPlayer::soundFor(const QString &path) {
    const auto found = m_sounds.find(path);
    if (found != m_sounds.end())
        return found->second;
    if (m_sounds.size() >= maxSounds)
        m_sounds.clear(); // the sound playing keeps its own reference to its samples
    Sound sound;
    QFile file;
    if (openPlainFile(file, path) && file.size() <= MaxFileBytes) {
        if (auto wave = playable(file.readAll())) {
            sound.format = wave->first;
            sound.samples = wave->second;
        }
    }
    return m_sounds.emplace(path, std::move(sound)).first->second;
}

void SoundPlayer::startNext() {
    m_startPending = false;
    const Sound next = std::exchange(m_next, Sound());
    // Closing the stream drops whatever part of the last sound it still holds.
    stopOutput();
    // Without the memory for a stream, there is silence instead of an end to the game.
    try {
        if (!next.samples.isEmpty() && startOutput(next.format))
            writeWhole(next);
    } catch (const std::bad_alloc &) {
        closeOutput();
    }
}

void SoundPlayer::writeWhole(const Sound &next) {
    // The server keeps the whole sound. It takes whole frames only, and pieces of at most one of
    // its memory blocks (64 KiB) at a time.
    const qsizetype frame = next.format.bytesPerFrame();
    const qsizetype piece = WritePieceBytes - WritePieceBytes % frame;
    for (qsizetype at = 0; at < next.samples.size(); at += piece) {
        const qsizetype size = qMin(piece, next.samples.size() - at);
        if (m_output->write(next.samples.constData() + at, size) != size) {
            closeOutput();
            return;
        }
    }
    const qint64 playMs = next.format.durationForBytes(next.samples.size()) / 1000;
    m_idleTimer.start(static_cast<int>(playMs) + IdleCloseMs);
}

bool SoundPlayer::startOutput(const QAudioFormat &format) {
    // Asked every time: the player can switch to headphones while the game runs.
    const QAudioDevice device = defaultOutput();
    if (device.isNull())
        return false;
    if (!m_sink || m_device != device || m_sink->format() != format) {
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_device = device;
    }
    // Every sound gets a stream of its own, opened in about a millisecond. The buffer is asked
    // for at each start: the sink keeps what the server granted last time, a little less.
    m_sink->setBufferSize(format.bytesForDuration(BufferMs * 1000));
    m_output = m_sink->start();
    if (!m_output || m_sink->error() != QAudio::NoError) {
        closeOutput();
        return false;
    }
    return true;
}

void SoundPlayer::stopOutput() {
    m_idleTimer.stop();
    if (m_sink)
        m_sink->stop();
    m_output = nullptr;
}

void SoundPlayer::closeOutput() {
    stopOutput();
    m_sink.reset();
}
