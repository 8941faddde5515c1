// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game sends the sounds it wants played; the real player and the tests' recorder
// implement it.
#pragma once

#include <QString>

class SoundSink {
  public:
    virtual ~SoundSink() = default;
    // Starts the WAV file at once without waiting for it; a new sound cuts off the one still
    // playing. An empty path or a file that cannot be played is silence.
    virtual void play(const QString &path) = 0;
};
