// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Making a picture set from a folder of photos in a thread of its own.
#include "settings/photoimport.h"

#include <QThread>
#include <new>

namespace {
// An import that could not run for want of memory.
PhotoSet::Outcome lackOfMemory() {
    PhotoSet::Outcome outcome;
    outcome.missing = PhotoSet::Pictures;
    outcome.lackedMemory = 1;
    return outcome;
}
} // namespace

PhotoImport::PhotoImport(const QString &photoFolder, const QString &setFolder,
                         const QString &setName, QObject *parent)
    : QObject(parent), m_photoFolder(photoFolder), m_setFolder(setFolder), m_setName(setName) {}

PhotoImport::~PhotoImport() {
    cancel();
    if (m_thread)
        m_thread->wait();
}

void PhotoImport::start() {
    if (m_thread)
        return;
    m_thread = QThread::create([this] { run(); });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, &PhotoImport::finished);
    m_thread->start();
    // A thread that could not be made (no memory for its stack) never ends: the import ends here.
    if (!m_thread->isRunning() && !m_thread->isFinished()) {
        m_outcome = lackOfMemory();
        QMetaObject::invokeMethod(this, &PhotoImport::finished, Qt::QueuedConnection);
    }
}

void PhotoImport::run() {
    const PhotoSet::Watch watch{[this](int found) { emit progress(found); },
                                [this] { return m_cancelled.load(); }};
    // An exception must not leave the thread: it would end the game. The only one the toolkit
    // throws is std::bad_alloc.
    try {
        m_outcome = PhotoSet::make(m_photoFolder, m_setFolder, m_setName, m_random, watch);
    } catch (...) {
        m_outcome = lackOfMemory();
    }
}
