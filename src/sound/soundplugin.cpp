// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound back end as a plug-in. The program loads it once its window is on the screen, so
// that Qt Multimedia and the sound server's libraries cost nothing at start-up.
#include "sound/soundplayer.h"
#include "ui/soundsink.h"

#include <QObject>
#include <QThread>

namespace {

// The player runs in a thread of its own, which keeps the sound server fed however long the
// windows are busy (building the victory frame, say).
class ThreadedSound : public SoundSink {
  public:
    ThreadedSound() {
        m_thread.setObjectName(QStringLiteral("sound"));
        m_player->moveToThread(&m_thread);
        QObject::connect(&m_thread, &QThread::finished, m_player, &QObject::deleteLater);
        m_thread.start();
        QMetaObject::invokeMethod(m_player, &SoundPlayer::prepare, Qt::QueuedConnection);
    }

    ~ThreadedSound() override {
        m_thread.quit();
        m_thread.wait();
    }

    // Sounds asked for in one go (a click and the chime of the pair it finds) leave the last
    // one: it is handed to the player when the caller's event loop runs again, so the player
    // never starts a sound that is cut off at once.
    void play(const QString &path) override {
        m_next = path;
        if (m_pending)
            return;
        m_pending = true;
        QMetaObject::invokeMethod(
            &m_relay,
            [this] {
                m_pending = false;
                QMetaObject::invokeMethod(
                    m_player, [player = m_player, path = m_next] { player->play(path); },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
    }

  private:
    QThread m_thread;
    SoundPlayer *m_player = new SoundPlayer;
    // Lives in the caller's thread.
    QObject m_relay;
    QString m_next;
    bool m_pending = false;
};

} // namespace

// The one entry of the plug-in: a new player, which the caller deletes.
extern "C" Q_DECL_EXPORT SoundSink *kestrovaSoundPlayer() {
    return new ThreadedSound;
}
