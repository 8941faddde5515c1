// What the game says to players who listen to it through a screen reader, in both languages.
#pragma once

#include <QString>

enum class CardState { FaceDown, FaceUp, Found };

// A card's accessible name: its number counted from 1, its picture when it shows one, its state:
// "card 7, face down", "card 7, fox, found".
QString cardName(int card, CardState state, const QString &picture, bool russian);

// Said when two cards make a pair, when they do not, and when the game is won.
QString pairFoundText(const QString &picture, bool russian);
QString noMatchText(bool russian);
QString victoryText(const QString &time, bool record, bool russian);

// The names of the controls whose caption does not say what they are.
enum class ControlName {
    NameBox,
    RecordsView,
    HelpBox,
    RussianLabel,
    EnglishLabel,
    Status,
    Boy,
    Girl,
    Friend
};
QString controlName(ControlName control, bool russian);
// The options' background choices show a picture and no caption: "background 3".
QString backgroundChoiceName(int choice, bool russian);
