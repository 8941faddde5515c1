// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the game's sounds: RIFF WAVE files of 8- or 16-bit PCM.
#pragma once

#include <QByteArray>
#include <optional>

struct Wave {
    int rate = 0;
    int channels = 0;
    int bits = 0;
    // The samples, whole frames only.
    QByteArray samples;
};

// A RIFF WAVE file of 8- or 16-bit PCM, mono or stereo, at 1 to 384 kHz; nothing for anything
// else. A data chunk cut short by the end of the file plays as far as it goes.
std::optional<Wave> decodeWave(const QByteArray &file);
