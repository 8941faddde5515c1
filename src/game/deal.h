// Dealing a picture set onto the board: which picture file lies under each card.
#pragma once

#include <QString>
#include <array>
#include <functional>

class Board;
class RandomSource;
struct ProgramState;

constexpr int PictureSetCount = 7;

// The scratch counters of one deal; a fresh board starts with a fresh one.
struct DealState {
    std::array<float, 24> PicUsed{};
    float CardsDealt = 0;
    float DealNumber = 0;
    float DealSlot = 0;
    // The picture set dealt (0..6), -1 before the deal; a record names this set.
    int Set = -1;
};

using FileExists = std::function<bool(const QString &)>;

// Takes the chosen set (0..6; anything else counts as set 0), sets the program's picture
// folder, decides the matching rule and deals the 24 cards. A set whose folder holds "13.gif"
// is a number-pair set. Expects a freshly built board.
void ChangePicSet(Board &board, DealState &deal, ProgramState &state, int selectedSet,
                  RandomSource &random, const FileExists &exists);

// The number-pair deal: 24 different pictures, one card each.
void ChangePicSetEnglish(Board &board, DealState &deal, const ProgramState &state,
                         RandomSource &random);

// The folder of picture set n below the application folder, with a trailing separator.
QString pictureSetFolder(const QString &appFolder, int set);

// The display name of picture set n: the first line of its "setname.txt", empty when there is
// none. A name is shown on a small button and stored with records, so it is cut to a sane
// length whatever the file holds.
QString pictureSetName(const QString &appFolder, int set);
