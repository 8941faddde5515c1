// The program-wide values every window shares; one instance is owned by main, tests make their own.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

struct ProgramState {
    // The folder the game's data is read from: pictures, sounds, texts.
    QString appFolder;
    // The folder of the files the game writes, "Kestrova.ini" and "record.txt": the same folder
    // when the game runs from its own folder, the user's data folder when it is installed.
    QString WriteFolder;
    // Set when that folder cannot be written at all: nothing is saved in this run, and the
    // player is told once, at the first save.
    bool CannotSave = false;
    bool CannotSaveTold = false;

    QString LineBreak;
    // The settings by their place in the settings file.
    std::array<QString, 6> IniValue;
    // The settings file's lines that could not be written in this run: until a later save
    // succeeds they stand in for the file, and the player has been told once.
    QStringList UnsavedSettings;
    bool SettingsWarned = false;
    // The WAV file for each sound event: 0 silent, 1 card click, 2 pair found,
    // 3 win without record, 4 first place, 5 top ten.
    std::array<QString, 6> SoundFile;

    // 0 Russian, 1 English; the ten texts below follow it.
    float Language = 1;
    QString CapHelp, CapHelpClose, HelpFileName, CapRecords, CapRecClose;
    QString UnknownName, MsgNoRecord, MsgFirstPlace, MsgTopTen, MsgSignUp;

    // The clock lives here, not in the main window, so that a rebuilt window keeps it.
    qint16 ClockSeconds = 0;
    qint16 ClockTenths = 0;
    qint16 SavedSeconds = 0;

    QString PlayerName;
    int RiddleCount = 0;
    // Folder of the current picture set, with a trailing separator; empty until the first deal.
    QString PicFolder;
};
