// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board for the keyboard and for screen readers: the card with the focus, what each card is
// called, and what the game says when a pair is found or missed and when the game is won.
#pragma once

#include "game/board.h"
#include "game/picturenames.h"

#include <QString>
#include <QVector>
#include <array>

class CardWidget;
class GameModel;
class QLabel;
class QWidget;

using CardWidgets = std::array<CardWidget *, CardCount>;

class BoardAccess {
  public:
    // Wires the cards (built already) of `window`: their names and their arrow keys.
    BoardAccess(QWidget &window, const CardWidgets &cards, const GameModel &model);

    // The card the keyboard is on: the only card that Tab reaches.
    int focusedCard() const { return m_focus; }
    // Moves the keyboard to `card`, taking the focus when the board has it or `take` is set.
    void focusCard(int card, bool take);

    // The picture set's names, read again after every deal.
    void dealt(const QString &setFolder);
    // A card was clicked: the cards it changed tell screen readers, and the game says what
    // happened. `previous` is the card the click was compared with.
    void turned(int card, int previous, const TurnOutcome &out);
    void victory(const QString &time, bool record);
    // Says that the cards were dealt anew at the player's key.
    void dealtAnew();
    // The interface language changed: what the cards and the announcements are called.
    void applyLanguage();

    // What a screen reader says for card k now.
    QString cardText(int k) const;

  private:
    bool russian() const;
    void cardChanged(int k) const;

    const CardWidgets &m_cards;
    const GameModel &m_model;
    QLabel *m_status = nullptr;
    QVector<PictureName> m_names;
    int m_focus = 0;
};
