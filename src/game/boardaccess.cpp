// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board for the keyboard and for screen readers.
#include "game/boardaccess.h"

#include "game/boardfocus.h"
#include "game/cardwidget.h"
#include "game/gamemodel.h"
#include "i18n/accessibletexts.h"
#include "i18n/messages.h"
#include "ui/accessibility.h"
#include "ui/focusring.h"

#include <QAccessible>
#include <QLabel>

BoardAccess::BoardAccess(QWidget &window, const CardWidgets &cards, const GameModel &model)
    : m_cards(cards), m_model(model) {
    installAccessibleControls();
    installFocusRing();
    // Says nothing on screen; screen readers hear what it announces.
    m_status = new QLabel(&window);
    m_status->setObjectName(QStringLiteral("announcements"));
    m_status->setGeometry(0, 0, 1, 1);
    for (int k = 0; k < CardCount; ++k) {
        CardWidget *card = cards[k];
        card->setFocusPolicy(k == m_focus ? Qt::TabFocus : Qt::NoFocus);
        card->describe = [this, k] { return cardText(k); };
        card->onArrow = [this, k](int columns, int rows) {
            focusCard(moveFocus(k, columns, rows), true);
        };
    }
    applyLanguage();
}

bool BoardAccess::russian() const {
    return m_model.language().russian();
}

void BoardAccess::focusCard(int card, bool take) {
    if (card < 0 || card >= CardCount)
        return;
    const bool boardHasFocus = m_cards[m_focus]->hasFocus();
    m_cards[m_focus]->setFocusPolicy(Qt::NoFocus);
    m_focus = card;
    m_cards[card]->setFocusPolicy(Qt::TabFocus);
    if (take || boardHasFocus)
        m_cards[card]->setFocus(Qt::OtherFocusReason);
}

void BoardAccess::dealt(const QString &setFolder) {
    m_names = readPictureNames(setFolder);
}

QString BoardAccess::cardText(int k) const {
    const Board &board = m_model.board();
    if (k < 0 || k >= CardCount)
        return QString();
    const CardState state = !board.FaceUp[k]    ? CardState::FaceDown
                            : board.CardOpen[k] ? CardState::Found
                                                : CardState::FaceUp;
    const QString picture = pictureName(m_names, Board::pictureNumber(board.CardPic[k]), russian());
    return cardName(k, state, picture, russian());
}

void BoardAccess::cardChanged(int k) const {
    if (!QAccessible::isActive() || k < 0 || k >= CardCount)
        return;
    QAccessibleEvent event(m_cards[k], QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void BoardAccess::turned(int card, int previous, const TurnOutcome &out) {
    cardChanged(card);
    cardChanged(previous);
    for (int k : out.turnedDown)
        cardChanged(k);
    if (out.matched) {
        const QString picture =
            pictureName(m_names, Board::pictureNumber(m_model.board().CardPic[card]), russian());
        announce(m_status, pairFoundText(picture, russian()));
    } else if (!out.turnedDown.isEmpty()) {
        announce(m_status, message(Msg::NoMatch, russian()));
    }
}

void BoardAccess::victory(const QString &time, bool record) {
    announce(m_status, victoryText(time, record, russian()));
}

void BoardAccess::dealtAnew() {
    announce(m_status, message(Msg::NewDeal, russian()));
}

void BoardAccess::applyLanguage() {
    m_status->setAccessibleName(message(Msg::Status, russian()));
    for (int k = 0; k < CardCount; ++k)
        cardChanged(k);
}
