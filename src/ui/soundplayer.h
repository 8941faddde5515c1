// Plays the game's WAV sounds without waiting: one sound at a time, missing files are silence.
#pragma once

#include "ui/soundsink.h"

#include <QObject>
#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

class SoundPlayer : public QObject, public SoundSink {
    Q_OBJECT

  public:
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    // Stops the sound still playing, then starts `path` (loading it in the background the
    // first time). An empty path or a missing file only stops.
    void play(const QString &path) override;

    // How many files have an effect kept ready for replay.
    int loadedEffects() const { return static_cast<int>(m_effects.size()); }
    // The file last started, or "" after a silent request.
    QString currentSource() const { return m_currentPath; }

  private:
    // The game uses six sound slots; the bound only matters when the player keeps choosing
    // new files in the options.
    static constexpr std::size_t maxEffects = 32;

    void stopCurrent();
    QSoundEffect *effectFor(const QString &path);

    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect *m_current = nullptr;
    QString m_currentPath;
};
