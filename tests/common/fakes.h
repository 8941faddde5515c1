// Test doubles shared by the test executables.
#pragma once

#include "ui/soundsink.h"

#include <QStringList>

// Remembers every sound the game asked for, in order.
class RecordingSound : public SoundSink {
  public:
    void play(const QString &path) override { played.append(path); }
    QStringList played;
};
