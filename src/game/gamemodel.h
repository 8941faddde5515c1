// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's state and the routines that change it, on QtCore: the board and its deal, the
// clock, the won game, the choices the options window shows, the sound table and the interface
// language. The windows observe it through its signals and paint what it says; a click calls it.
#pragma once

#include "game/board.h"
#include "game/deal.h"
#include "game/gameclock.h"
#include "i18n/language.h"
#include "i18n/messages.h"
#include "records/recordcheck.h"
#include "settings/backgrounds.h"
#include "settings/settingsfile.h"
#include "settings/soundtable.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class RandomSource;
class SoundSink;
struct GameFolders;

class GameModel : public QObject {
    Q_OBJECT

  public:
    GameModel(const GameFolders &folders, RandomSource &random, SoundSink &sound,
              QObject *parent = nullptr);

    const QString &appFolder() const { return m_appFolder; }
    const QString &writeFolder() const { return m_writeFolder; }
    RandomSource &random() { return m_random; }

    // --- The board, the deal and the clock.
    const Board &board() const { return m_board; }
    const DealState &deal() const { return m_deal; }
    GameClock &clock() { return m_clock; }
    const GameClock &clock() const { return m_clock; }
    // A fresh board for a new main window: nothing dealt yet, and the clock shows "Time".
    void newBoard();
    // Deals the chosen picture set onto the board.
    void ChangePicSet();
    // A click on card k: its sounds are played and the tenths started from the tenth pair.
    // The caller shows what changed, then runs the victory for a winning click.
    TurnOutcome clickCard(int k);
    void choosePlayerKind(int i);
    // Clear: every card face down and closed, no pairs, the clock at 0 without the tenths.
    // The layout stays for the next game.
    void clearBoard();
    // Else: a new game on the same layout, the clock running from 0.
    void playAgain();
    // A new layout of the set on the board, the clock from 0: what "Apply" under the pictures
    // does for the chosen set, without the options window and without saving the settings.
    void newDeal();

    // --- The won game.
    // Stops the clock and judges the time against the hall of fame, with its fanfare.
    void victory();
    // The won game's time as the clock showed it, and as a number.
    QString wonCaption() const { return m_clock.caption(); }
    double wonTime() const { return m_wonTime; }
    RecordRank rank() const { return m_rank; }
    bool recordOffered() const { return m_rank != RecordRank::NoRecord; }
    // The victory frame's headline and the words under the time.
    QString victoryHeadline() const;
    QString victoryPrompt() const;
    // Why the record table cannot take the result, the first time it is asked in this game;
    // "" afterwards and when it can.
    QString takeRefusal();
    // Judges the won game against the hall of fame (the documented routine).
    void ProverkaRekorda();
    // "To records" with the typed name: the game goes on from 0 and the result is stored.
    // Returns what the player must be told, "" for nothing.
    QString enterRecord(const QString &typedName);
    // Stores the won game's result in the record file; returns what to tell the player.
    QString ZapisRecord();
    // Creates the record file with its placeholder line when there is none.
    void EnsureRecordFile();
    QString recordFilePath() const;
    // The hall of fame as the records view shows it.
    RecordTable recordTable();

    // --- The choices of the options window.
    const Choices &choices() const { return m_choices; }
    void chooseBackground(int n);
    void choosePictureSet(int n);
    void setSound(bool on);
    void toggleSound();
    void setRiddleAtStart(bool on);
    void setEraseRecords(bool on);
    // Reads the settings afresh and applies them: choices, sound and language.
    void ChooseIni();
    // Fills the sound table from the sound choice; the sound label names the next switch.
    void SetSound();
    QString soundCaption() const { return m_soundCaption; }
    // The look of the stored background choice, for the main window.
    void SetColor();
    BackgroundLook look() const;
    // Whether the settings ask for a riddle before each game.
    bool riddleAtStart() const;
    // "Apply" under the backgrounds: this run only, nothing is written.
    void applyBackground();
    // "Apply" under the pictures: the choice is saved; the caller then deals on a new window.
    // Returns what to tell the player.
    QString applyPictureSet();
    // "OK": the background applied, both choices saved; what to tell the player.
    QString acceptOptions();
    // After "OK" has closed the window: the board cleared and, when ticked, the hall of fame
    // erased; what to tell the player.
    QString finishOptions();
    // "Cancel": the time spent in the options does not count.
    void cancelOptions();
    const IniValues &iniValues() const { return m_ini; }

    // --- The interface language.
    const Language &language() const { return m_language; }
    void SetLanguage(Language language);
    // The language whose captions the windows show: the last one chosen, none before the first.
    std::optional<Lang> appliedLanguage() const { return m_applied; }
    // A text in the language of the captions (English until one is chosen).
    QString text(Msg id) const;

    // --- Riddles and sounds.
    int drawRiddle();
    void play(int slot);

    // True when nothing can be saved in this run; `tell` gets the reason the first time.
    bool cannotSave(QString *tell);

  signals:
    void dealt();
    void boardCleared();
    void choicesChanged();
    void lookChanged();
    void languageChanged();
    void soundCaptionChanged(const QString &caption);

  private:
    QString saveSettings();
    QString eraseRecords();
    void storeChoice(int place, int choice);
    void setSoundCaption(const QString &caption);

    QString m_appFolder;
    QString m_writeFolder;
    // Set when that folder cannot be written at all: the player is told once, at the first save.
    bool m_cannotSave = false;
    bool m_cannotSaveTold = false;
    RandomSource &m_random;
    SoundSink &m_sound;

    Board m_board;
    DealState m_deal;
    GameClock m_clock;

    double m_wonTime = 0;
    RecordRank m_rank = RecordRank::NoRecord;
    QString m_refusal;
    bool m_refusalTold = false;
    QString m_playerName;

    Choices m_choices;
    IniValues m_ini;
    // The settings that could not be written in this run: until a later save succeeds they stand
    // in for the file, and the player has been told once.
    QStringList m_unsavedSettings;
    bool m_settingsWarned = false;
    SoundTable m_soundFiles;
    QString m_soundCaption = QStringLiteral("Sound");

    Language m_language;
    std::optional<Lang> m_applied;
};
