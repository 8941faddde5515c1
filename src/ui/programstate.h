// The program-wide values every window shares; one instance is owned by main, tests make their own.
#pragma once

#include <QString>
#include <array>

struct ProgramState {
    // The folder of the program: every data file lives below it.
    QString appFolder;

    QString LineBreak;
    std::array<QString, 6> IniValue;
    // The WAV file for each sound event: 0 silent, 1 card click, 2 pair found,
    // 3 win without record, 4 first place, 5 top ten.
    std::array<QString, 6> SoundFile;

    float Language = 0;
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
