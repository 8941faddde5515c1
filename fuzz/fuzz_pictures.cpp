// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A picture file in any state, read as a card, a part of a background and a preview are read, and
// a folder holding it alone made into a photo set: nothing is decoded beyond the bound on its
// memory, what is read has the size asked for, and a set is never made of one file.
#include "fuzzsupport.h"
#include "settings/photoset.h"
#include "ui/picturefile.h"
#include "ui/randomsource.h"

#include <QCoreApplication>
#include <QDirIterator>

namespace {

// The same draws every run, so that a crash replays.
class FixedRandom : public RandomSource {
  public:
    void seedFromClock() override {}
    double next() override { return 0.5; }
};

// Whatever the file claims, each read either fails or gives what was asked for, and a read that
// would cost more than the bound fails without decoding.
void checkRead(const QString &path, const QSize &scaled, const QRect &clip) {
    PictureFile file(path, true);
    const QSize size = file.size();
    if (size.isEmpty()) {
        FUZZ_CHECK(file.read(scaled, clip).isNull());
        return;
    }
    const qint64 cost = file.decodeCost(scaled, clip);
    FUZZ_CHECK(cost > 0);
    const QImage image = file.read(scaled, clip);
    if (cost > PictureFile::MaxDecodeBytes)
        FUZZ_CHECK(image.isNull() && file.failure() == PictureFile::Failure::TooCostly);
    FUZZ_CHECK(image.isNull() == (file.failure() != PictureFile::Failure::None));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString folder = scratchFile(QStringLiteral("photos"));
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/photo.gif");
    writeBytes(path, inputBytes(data, size));

    checkRead(path, QSize(), QRect());
    checkRead(path, QSize(180, 160), QRect());
    checkRead(path, QSize(), QRect(0, 0, 64, 42));
    const QImage card = PhotoSet::cardPicture(path, QSize(180, 160));
    FUZZ_CHECK(card.isNull() || card.size() == QSize(180, 160));

    FixedRandom random;
    const QString set = scratchFile(QStringLiteral("written/photos/img0"));
    const PhotoSet::Outcome outcome = PhotoSet::make(folder, set, QStringLiteral("x"), random);
    FUZZ_CHECK(!outcome.made() && outcome.missing >= PhotoSet::Pictures - 1);
    FUZZ_CHECK(outcome.tried == 1 && !outcome.stopped);
    FUZZ_CHECK(!QFileInfo::exists(set));
    QDirIterator written(scratchFile(QStringLiteral("written")),
                         QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    FUZZ_CHECK(!written.hasNext());
    return 0;
}
