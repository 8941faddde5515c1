// The program-wide texts that depend on the interface language, as a table.
#pragma once

struct ProgramState;

namespace Lang {
constexpr int Russian = 0;
constexpr int English = 1;
} // namespace Lang

// Puts the ten language texts of `language` (Russian or English) into the program state;
// any other value leaves them as they are.
void applyLanguageTexts(ProgramState &state, int language);
