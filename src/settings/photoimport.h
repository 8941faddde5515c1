// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Making a picture set from a folder of photos in a thread of its own, so that the windows keep
// painting while it runs and the player can stop it.
#pragma once

#include "settings/photoset.h"
#include "ui/randomsource.h"

#include <QObject>
#include <QString>
#include <atomic>

class QThread;

class PhotoImport : public QObject {
    Q_OBJECT

  public:
    // The arguments of PhotoSet::make.
    PhotoImport(const QString &photoFolder, const QString &setFolder, const QString &setName,
                QObject *parent = nullptr);
    // Stops the import and waits for it.
    ~PhotoImport() override;

    void start();
    // The import stops at the next photo; nothing is written then.
    void cancel() { m_cancelled = true; }
    // Once `finished` has come.
    const PhotoSet::Outcome &outcome() const { return m_outcome; }

  signals:
    void progress(int found);
    void finished();

  private:
    void run();

    const QString m_photoFolder, m_setFolder, m_setName;
    ClockRandom m_random;
    std::atomic<bool> m_cancelled{false};
    QThread *m_thread = nullptr;
    PhotoSet::Outcome m_outcome;
};
