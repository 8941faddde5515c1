// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text of the game that exists in Russian and in English, as one table: the texts that
// follow the interface language, the messages, and what screen readers hear.
#pragma once

#include <QString>

enum class Msg {
    // Captions and headlines that follow the interface language.
    CapHelp,
    CapHelpClose,
    HelpFileName,
    CapRecords,
    CapRecClose,
    UnknownName,
    MsgNoRecord,
    MsgFirstPlace,
    MsgTopTen,
    MsgSignUp,
    // Messages; "%1" and "%2" stand for what the message names.
    RecordNotSaved,
    RecordsNotErased,
    SettingsNotSaved,
    NotResults,     // %1 the record file, %2 the first line that is not a result
    CannotSave,     // %1 the folder
    TooManyResults, // the older program's message, in Russian only
    RiddleTitle,    // the riddle file is missing: the box's title, in Russian only
    RiddleMissing,  // %1 the riddle file, in Russian only
    // A set made from the player's photos.
    CapPhotos,
    CapRestore,
    PhotoFolderTitle,
    PhotosReading,    // %1 the different pictures found so far, %2 how many a set needs
    PhotosMissing,    // %1 how many pictures the folder lacks
    PhotosNoMemory,   // %1 how many photos could not be read for want of memory
    PhotosStopped,    // %1 how many files were tried, %2 the different pictures among them
    PhotosNotSaved,   // %1 the folder or file that failed; a set made before is kept
    PhotosNotWritten, // %1 the folder or file that failed; no set was made before
    PhotoSetMade,     // %1 the set's name
    RestoreFailed,    // %1 the folder
    // What screen readers hear.
    CardFaceDown, // %1 the card's number
    CardFaceUp,   // %1 the card's number, %2 its picture followed by ", " (or nothing)
    CardFound,
    PairFound,
    PairFoundNamed, // %1 the picture
    NoMatch,
    VictoryTime, // %1 the time
    VictoryRecord,
    VictoryAgain,
    NewDeal,
    BackgroundChoice, // %1 the choice counted from 1
    NameBox,
    RecordsView,
    HelpBox,
    RussianLabel,
    EnglishLabel,
    Status,
    Boy,
    Girl,
    Friend,
};

// The text in Russian or in English.
QString message(Msg id, bool russian);
