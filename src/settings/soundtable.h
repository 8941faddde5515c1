// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound table: which WAV file each sound event plays, with sound on or off.
#pragma once

#include <QString>
#include <array>

namespace SoundSlot {
constexpr int Silent = 0;
constexpr int Click = 1;
constexpr int Pair = 2;
constexpr int Victory = 3;
constexpr int FirstPlace = 4;
constexpr int TopTen = 5;
constexpr int Count = 6;
} // namespace SoundSlot

using SoundTable = std::array<QString, SoundSlot::Count>;

// Fills the table for the sound switch and returns the sound label's caption, which names
// what the next click on it does. With sound off every slot takes the silent slot's file,
// which is still empty when sound was never on in this run.
QString fillSoundTable(SoundTable &table, const QString &appFolder, bool soundOn);
