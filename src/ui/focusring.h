// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard focus ring: a bright frame drawn around whatever control has the focus, in every
// window of the game, while the player uses the keyboard. A mouse click hides it until the next
// key press.
#pragma once

// Starts the ring for the whole program; once is enough, later calls do nothing.
void installFocusRing();

// Whether the ring is shown now (the last input came from the keyboard).
bool focusRingShown();
