// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound-on file names, and the silent file copied into every slot for sound off.
#include "settings/soundtable.h"

#include "ui/apppaths.h"

QString fillSoundTable(SoundTable &table, const QString &appFolder, bool soundOn) {
    if (!soundOn) {
        for (int slot = SoundSlot::Click; slot < SoundSlot::Count; ++slot)
            table[slot] = table[SoundSlot::Silent];
        return QStringLiteral("Snd on");
    }
    static const char *const files[SoundSlot::Count] = {
        "\\sounds\\No.wav",      "\\sounds\\click1.wav",   "\\sounds\\click2.wav",
        "\\sounds\\victory.wav", "\\sounds\\victory1.wav", "\\sounds\\victory10.wav"};
    for (int slot = 0; slot < SoundSlot::Count; ++slot)
        table[slot] = appFile(appFolder, QString::fromLatin1(files[slot]));
    return QStringLiteral("Snd off");
}
