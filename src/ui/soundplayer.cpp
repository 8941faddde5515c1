// Plays the game's WAV sounds without waiting: one sound at a time, missing files are silence.
#include "ui/soundplayer.h"

#include "ui/apppaths.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent) {}

// Out of line so that the effects are destroyed where QSoundEffect is a complete type.
SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const QString &path) {
    stopCurrent();
    if (!fileExists(path))
        return;
    m_current = effectFor(QFileInfo(path).absoluteFilePath());
    m_currentPath = path;
    // QSoundEffect queues the play until the background load finishes; without an audio
    // device it just stays silent.
    m_current->play();
}

void SoundPlayer::stopCurrent() {
    if (m_current)
        m_current->stop();
    m_current = nullptr;
    m_currentPath.clear();
}

QSoundEffect *SoundPlayer::effectFor(const QString &path) {
    const auto found = m_effects.find(path);
    if (found != m_effects.end())
        return found->second.get();

    if (m_effects.size() >= maxEffects)
        m_effects.clear();
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(path));
    return m_effects.emplace(path, std::move(effect)).first->second.get();
}
