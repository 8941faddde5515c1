// The program-wide values every window shares; one instance is owned by main, tests make their own.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

struct ProgramState {
    // The folder of the program: every data file lives below it.
    QString appFolder;

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
