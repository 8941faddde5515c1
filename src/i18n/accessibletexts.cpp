// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Composing the spoken texts from the table of messages.
#include "i18n/accessibletexts.h"

#include "i18n/messages.h"

QString cardName(int card, CardState state, const QString &picture, bool russian) {
    const QString number = QString::number(card + 1);
    if (state == CardState::FaceDown)
        return message(Msg::CardFaceDown, russian).arg(number);
    const QString what = picture.isEmpty() ? QString() : picture + QStringLiteral(", ");
    return message(state == CardState::Found ? Msg::CardFound : Msg::CardFaceUp, russian)
        .arg(number, what);
}

QString pairFoundText(const QString &picture, bool russian) {
    if (picture.isEmpty())
        return message(Msg::PairFound, russian);
    return message(Msg::PairFoundNamed, russian).arg(picture);
}

QString victoryText(const QString &time, bool record, bool russian) {
    return message(Msg::VictoryTime, russian).arg(time) +
           message(record ? Msg::VictoryRecord : Msg::VictoryAgain, russian);
}
