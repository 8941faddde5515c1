// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A family's own photos made into a picture set.
#include "settings/photoset.h"

#include "i18n/messages.h"
#include "settings/photoswap.h"
#include "ui/ownfiles.h"
#include "ui/picturefile.h"
#include "ui/randomsource.h"
#include "ui/textfile.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QtMath>
#include <algorithm>

namespace PhotoSet {

namespace {

// Two pictures are the same when their small copies differ by less than this on average, of 255
// in each colour. A photo and its copy at another size differ by about 2; the most alike different
// pictures of the shipped sets, by 6.
constexpr double SameBelow = 4.0;
const QSize Thumbnail(18, 16);

// Whether the file, followed through any links, is a plain file inside `folder` (a canonical
// path).
bool insideFolder(const QFileInfo &file, const QString &folder) {
    const QString target = file.canonicalFilePath();
    return !target.isEmpty() && target.startsWith(folder + QLatin1Char('/')) &&
           QFileInfo(target).isFile();
}

struct Card {
    QString path;
    QImage picture;
    QImage thumbnail;
};

QImage thumbnailOf(const QImage &picture) {
    return picture.scaled(Thumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

bool alike(const QImage &a, const QImage &b) {
    qint64 difference = 0;
    for (int y = 0; y < Thumbnail.height(); ++y) {
        const auto *p = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *q = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < Thumbnail.width(); ++x) {
            difference += qAbs(qRed(p[x]) - qRed(q[x])) + qAbs(qGreen(p[x]) - qGreen(q[x])) +
                          qAbs(qBlue(p[x]) - qBlue(q[x]));
        }
    }
    return difference < SameBelow * 3 * Thumbnail.width() * Thumbnail.height();
}

// Writes the chosen cards as a set in the new folder `made`.
bool writeSet(const QString &made, const QList<Card> &cards, const QString &setName) {
    QStringList names;
    for (int n = 0; n < cards.size(); ++n) {
        const QImage card =
            cards[n].picture.scaled(CardSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!cards[n].picture.save(made + QStringLiteral("/%1@2x.gif").arg(n), "PNG") ||
            !card.save(made + QStringLiteral("/%1.gif").arg(n), "PNG"))
            return false;
        // A name is one line of "Russian|English", the same name in both.
        const QString name = QFileInfo(cards[n].path)
                                 .completeBaseName()
                                 .replace(QLatin1Char('|'), QLatin1Char(' '))
                                 .simplified();
        names.append(name + QStringLiteral("|") + name);
    }
    // The names go last: a folder that has them holds a whole set.
    return writeTextFileAtomic(made + QStringLiteral("/setname.txt"), {setName}) &&
           writeTextFileAtomic(made + QStringLiteral("/names.txt"), names);
}

} // namespace

Listing photoFiles(const QString &folder) {
    Listing listing;
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty())
        return listing;
    QDirIterator entries(folder, QDir::Files | QDir::Readable);
    for (int looked = 0; entries.hasNext(); ++looked) {
        if (looked == MaxListed) {
            listing.more = true;
            break;
        }
        const QFileInfo file(entries.next());
        if (insideFolder(file, canonical))
            listing.files.append(file.filePath());
    }
    std::sort(listing.files.begin(), listing.files.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return listing;
}

QStringList drawOrder(const QStringList &files, RandomSource &random) {
    QStringList left = files, order;
    while (!left.isEmpty())
        order.append(left.takeAt(wholePart(int(left.size()), random.next())));
    return order;
}

QRect cardCrop(const QSize &size) {
    if (size.isEmpty())
        return QRect();
    const QSize card = CardSize.scaled(size, Qt::KeepAspectRatio);
    return QRect((size.width() - card.width()) / 2, (size.height() - card.height()) / 2,
                 card.width(), card.height());
}

namespace {
// What cardPicture() asks of the file: a size to decode it at, in its stored orientation (invalid:
// as it is), when the picture is larger than `size` once upright.
QSize decodedSize(const PictureFile &file, const QSize &size) {
    const QSize stored = file.size();
    const QSize upright = file.turned() ? stored.transposed() : stored;
    const qreal shrink = qMin(
        1.0, qMax(qreal(size.width()) / upright.width(), qreal(size.height()) / upright.height()));
    if (shrink >= 1.0)
        return QSize();
    return QSize(qMax(1, qCeil(stored.width() * shrink)), qMax(1, qCeil(stored.height() * shrink)));
}
} // namespace

QImage cardPicture(const QString &path, const QSize &size, Refusal *refusal) {
    PictureFile file(path, true);
    if (refusal)
        *refusal = Refusal::Unreadable;
    if (file.size().isEmpty())
        return QImage();
    const QImage image = file.read(decodedSize(file, size));
    if (image.isNull()) {
        if (refusal && file.failure() == PictureFile::Failure::NoMemory)
            *refusal = Refusal::NoMemory;
        return QImage();
    }
    if (refusal)
        *refusal = Refusal::None;
    return image.copy(cardCrop(image.size()))
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

bool mayBeCard(const QString &path, const QSize &size) {
    const PictureFile file(path, true);
    return !file.size().isEmpty() &&
           file.decodeCost(decodedSize(file, size)) <= PictureFile::MaxDecodeBytes;
}

bool samePicture(const QImage &a, const QImage &b) {
    return alike(thumbnailOf(a), thumbnailOf(b));
}

Outcome make(const QString &photoFolder, const QString &setFolder, const QString &setName,
             RandomSource &random, const Watch &watch) {
    Outcome outcome;
    const QFileInfo place(setFolder);
    outcome.hadSet = PhotoSwap::isOwnSet(setFolder);
    QElapsedTimer clock;
    clock.start();
    const Listing listing = photoFiles(photoFolder);
    // Whether to stop: asked to, or out of time.
    const auto stop = [&] {
        outcome.cancelled = watch.cancelled && watch.cancelled();
        outcome.stopped = outcome.stopped || clock.elapsed() > MaxTryingMs;
        return outcome.cancelled || outcome.stopped;
    };
    // What each file says of itself is read first, in a fraction of a millisecond, so that a
    // folder full of files that are no photos, or lie about their size, costs no decoding.
    QStringList pictures;
    for (const QString &path : listing.files) {
        if (stop())
            break;
        ++outcome.tried;
        if (mayBeCard(path, CardSize * 2))
            pictures.append(path);
    }
    QList<Card> cards;
    for (const QString &path : drawOrder(pictures, random)) {
        if (stop())
            break;
        Refusal refusal = Refusal::None;
        Card card{path, cardPicture(path, CardSize * 2, &refusal), QImage()};
        if (card.picture.isNull()) {
            outcome.lackedMemory += refusal == Refusal::NoMemory ? 1 : 0;
            continue;
        }
        card.thumbnail = thumbnailOf(card.picture);
        if (std::any_of(cards.cbegin(), cards.cend(),
                        [&card](const Card &c) { return alike(c.thumbnail, card.thumbnail); }))
            continue;
        cards.append(card);
        if (watch.progress)
            watch.progress(int(cards.size()));
        if (cards.size() == Pictures)
            break;
    }
    if (stop() && outcome.cancelled)
        return outcome;
    outcome.missing = Pictures - int(cards.size());
    outcome.stopped = outcome.missing > 0 && (outcome.stopped || listing.more);
    if (outcome.missing > 0)
        return outcome;

    const QString made = PhotoSwap::newFolder(setFolder);
    if (made.isEmpty()) {
        outcome.error = QDir::toNativeSeparators(place.path());
    } else if (!writeSet(made, cards, setName)) {
        outcome.error = QDir::toNativeSeparators(place.path());
    } else if (!PhotoSwap::put(made, setFolder)) {
        outcome.error = QDir::toNativeSeparators(setFolder);
    }
    if (!outcome.error.isEmpty() && !made.isEmpty())
        removeWithoutFollowing(made);
    return outcome;
}

QString report(const Outcome &outcome, const QString &setName, bool russian) {
    if (outcome.cancelled)
        return QString();
    if (outcome.missing > 0 && outcome.lackedMemory > 0)
        return message(Msg::PhotosNoMemory, russian).arg(outcome.lackedMemory);
    if (outcome.stopped) {
        return message(Msg::PhotosStopped, russian)
            .arg(outcome.tried)
            .arg(Pictures - outcome.missing);
    }
    if (outcome.missing > 0)
        return message(Msg::PhotosMissing, russian).arg(outcome.missing);
    if (!outcome.error.isEmpty()) {
        return message(outcome.hadSet ? Msg::PhotosNotSaved : Msg::PhotosNotWritten, russian)
            .arg(outcome.error);
    }
    return message(Msg::PhotoSetMade, russian).arg(setName);
}

} // namespace PhotoSet
