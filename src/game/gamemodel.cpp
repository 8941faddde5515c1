// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's routines on its state: each applies the subsystems' rules and says what changed.
#include "game/gamemodel.h"

#include "records/recordfile.h"
#include "riddles/riddlerules.h"
#include "ui/apppaths.h"
#include "ui/gamefolders.h"
#include "ui/localenumber.h"
#include "ui/randomsource.h"
#include "ui/soundsink.h"
#include "ui/textfile.h"

namespace {

// The date of the placeholder result in a fresh record file lies this far back.
constexpr int PlaceholderAgeDays = 30;

QString placeholderDate() {
    return recordDate(QDate::currentDate().addDays(-PlaceholderAgeDays));
}

} // namespace

GameModel::GameModel(const GameFolders &folders, RandomSource &random, SoundSink &sound,
                     QObject *parent)
    : QObject(parent), m_appFolder(folders.data), m_writeFolder(folders.written),
      m_cannotSave(!folders.writable), m_random(random), m_sound(sound),
      m_clock([this] { return m_board.OpenPairs; }) {}

// --- The board, the deal and the clock.

void GameModel::newBoard() {
    m_board = Board();
    m_deal = DealState();
    m_refusal.clear();
    m_refusalTold = false;
    m_clock.showNoTime();
}

void GameModel::ChangePicSet() {
    ::ChangePicSet(m_board, m_deal, m_appFolder, m_choices.pictureSet, m_random, fileExists,
                   m_writeFolder);
    emit dealt();
}

TurnOutcome GameModel::clickCard(int k) {
    const TurnOutcome out = m_board.click(k);
    for (int slot : out.soundSlots)
        play(slot);
    if (out.startTenths && !out.victory)
        m_clock.startTenths();
    return out;
}

void GameModel::choosePlayerKind(int i) {
    m_board.choosePlayerKind(i);
}

void GameModel::clearBoard() {
    m_board.reset();
    m_clock.reset();
    m_clock.stopTenths();
    m_refusalTold = false;
    emit boardCleared();
}

void GameModel::playAgain() {
    clearBoard();
    m_clock.start();
}

void GameModel::newDeal() {
    const int set = m_deal.Set < 0 ? m_choices.pictureSet : m_deal.Set;
    clearBoard();
    newBoard();
    ::ChangePicSet(m_board, m_deal, m_appFolder, set, m_random, fileExists, m_writeFolder);
    emit dealt();
    m_clock.start();
}

// --- The won game.

void GameModel::victory() {
    m_clock.stop();
    m_wonTime = m_clock.settle();
    ProverkaRekorda();
}

void GameModel::ProverkaRekorda() {
    m_board.PlayerKind = Board::KindNone;
    EnsureRecordFile();
    const RecordCheck check =
        checkRecord(recordFilePath(), static_cast<float>(m_wonTime), m_language.russian());
    m_rank = check.rank;
    m_refusal = check.refusal;
    switch (m_rank) {
    case RecordRank::FirstPlace:
        play(SoundSlot::FirstPlace);
        break;
    case RecordRank::TopTen:
        play(SoundSlot::TopTen);
        break;
    case RecordRank::NoRecord:
        play(SoundSlot::Victory);
        break;
    }
}

QString GameModel::victoryHeadline() const {
    switch (m_rank) {
    case RecordRank::FirstPlace:
        return text(Msg::MsgFirstPlace);
    case RecordRank::TopTen:
        return text(Msg::MsgTopTen);
    case RecordRank::NoRecord:
        break;
    }
    return text(Msg::MsgNoRecord);
}

QString GameModel::victoryPrompt() const {
    return recordOffered() ? text(Msg::MsgSignUp) : QStringLiteral("seconds");
}

QString GameModel::takeRefusal() {
    if (m_refusal.isEmpty() || m_refusalTold)
        return QString();
    m_refusalTold = true;
    return m_refusal;
}

QString GameModel::enterRecord(const QString &typedName) {
    m_playerName = QString(typedName).replace(QLatin1Char('~'), QLatin1Char('-'));
    m_board.OpenPairs = 0;
    m_clock.reset();
    m_clock.stopTenths();
    m_clock.start();
    return ZapisRecord();
}

QString GameModel::ZapisRecord() {
    if (m_playerName.isEmpty())
        m_playerName = text(Msg::UnknownName);
    if (m_board.PlayerKind == Board::KindNone)
        m_board.PlayerKind = KindNotChosen;
    QString tell;
    if (cannotSave(&tell))
        return tell;

    NewRecord record;
    record.time = wonCaption();
    record.name = m_playerName;
    // The set on the board, whatever the options have chosen since it was dealt.
    if (m_deal.Set >= 0)
        record.setName = pictureSetName(m_appFolder, m_deal.Set, m_writeFolder);
    record.kind = m_board.PlayerKind;
    record.date = recordDate(QDate::currentDate());
    return storeRecord(recordFilePath(), record, placeholderDate(), m_language.russian());
}

QString GameModel::recordFilePath() const {
    return ::recordFilePath(m_writeFolder);
}

void GameModel::EnsureRecordFile() {
    // A folder that cannot be written shows up when a record is stored; nothing to say yet.
    ::EnsureRecordFile(recordFilePath(), placeholderDate());
}

RecordTable GameModel::recordTable() {
    EnsureRecordFile();
    return readRecordTable(recordFilePath()).value_or(RecordTable{});
}

// --- The choices of the options window.

void GameModel::chooseBackground(int n) {
    m_choices.background = n;
}

void GameModel::choosePictureSet(int n) {
    m_choices.pictureSet = n;
}

void GameModel::setSound(bool on) {
    if (m_choices.sound == on)
        return;
    m_choices.sound = on;
    SetSound();
    emit choicesChanged();
}

void GameModel::toggleSound() {
    setSound(!m_choices.sound);
}

void GameModel::setRiddleAtStart(bool on) {
    m_choices.riddleAtStart = on;
}

void GameModel::setEraseRecords(bool on) {
    if (m_choices.eraseRecords == on)
        return;
    m_choices.eraseRecords = on;
    emit choicesChanged();
}

void GameModel::ChooseIni() {
    resetIniDefaults(m_ini);
    // Settings that could not be saved in this run stand in for the file.
    if (!m_unsavedSettings.isEmpty()) {
        storeIniLines(m_ini, m_unsavedSettings);
    } else if (const auto lines = readSettingsLines(settingsFilePath(m_writeFolder))) {
        storeIniLines(m_ini, *lines);
    }

    // What cannot be used falls back to its default; the texts themselves stay as read.
    const bool erase = m_choices.eraseRecords;
    m_choices = iniChoices(m_ini);
    m_choices.eraseRecords = erase;
    const Language language = iniLanguage(m_ini);
    emit choicesChanged();
    SetSound();
    setSoundCaption(language.english() ? QStringLiteral("Sound") : QStringLiteral("Звук"));
    SetLanguage(language);
}

void GameModel::SetSound() {
    setSoundCaption(fillSoundTable(m_soundFiles, m_appFolder, m_choices.sound));
}

void GameModel::setSoundCaption(const QString &caption) {
    m_soundCaption = caption;
    emit soundCaptionChanged(caption);
}

void GameModel::SetColor() {
    emit lookChanged();
}

BackgroundLook GameModel::look() const {
    return backgroundLook(m_appFolder, m_ini[Ini::Background]);
}

bool GameModel::riddleAtStart() const {
    return parseLocaleNumber(m_ini[Ini::RiddleAtStart]) == 1.0;
}

void GameModel::storeChoice(int place, int choice) {
    if (choice >= 0)
        m_ini[place] = QString::number(choice);
}

void GameModel::applyBackground() {
    storeChoice(Ini::Background, m_choices.background);
    SetColor();
}

QString GameModel::applyPictureSet() {
    storeChoice(Ini::PictureSet, m_choices.pictureSet);
    return saveSettings();
}

QString GameModel::acceptOptions() {
    applyBackground();
    return applyPictureSet();
}

QString GameModel::finishOptions() {
    clearBoard();
    if (!m_choices.eraseRecords)
        return QString();
    const QString said = eraseRecords();
    setEraseRecords(false);
    return said;
}

void GameModel::cancelOptions() {
    m_clock.restore();
    setEraseRecords(false);
}

QString GameModel::saveSettings() {
    const QStringList lines = settingsFileLines(
        m_ini, m_choices.sound ? 1 : 0, m_language.setting(), m_choices.riddleAtStart ? 1 : 0);
    QString tell;
    if (cannotSave(&tell)) {
        m_unsavedSettings = lines;
        return tell;
    }
    QString error;
    if (writeTextFileAtomic(settingsFilePath(m_writeFolder), lines, &error)) {
        m_unsavedSettings.clear();
        return QString();
    }
    // The choices hold for the rest of the run; the player hears about it only once.
    m_unsavedSettings = lines;
    if (m_settingsWarned)
        return QString();
    m_settingsWarned = true;
    return settingsNotSavedMessage(error, m_language.russian());
}

QString GameModel::eraseRecords() {
    return eraseRecordFile(recordFilePath(), m_language.russian());
}

// --- The interface language.

void GameModel::SetLanguage(Language language) {
    m_language = language;
    if (const auto chosen = language.chosen())
        m_applied = chosen;
    emit languageChanged();
}

QString GameModel::text(Msg id) const {
    return message(id, m_applied.value_or(Lang::English) == Lang::Russian);
}

// --- Riddles and sounds.

int GameModel::drawRiddle() {
    return randomRiddle(RiddleCount, m_random.next());
}

void GameModel::play(int slot) {
    if (slot >= 0 && slot < SoundSlot::Count)
        m_sound.play(m_soundFiles[slot]);
}

bool GameModel::cannotSave(QString *tell) {
    if (!m_cannotSave)
        return false;
    if (!m_cannotSaveTold) {
        m_cannotSaveTold = true;
        if (tell)
            *tell = cannotSaveMessage(m_writeFolder, m_language.russian());
    }
    return true;
}
