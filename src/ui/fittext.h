// SPDX-FileCopyrightText: 2026 Kestrova developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fitting a caption into its label when the screen's font is wider than the design's.
#pragma once

class QLabel;

// Gives the label its text's font at `pixels` pixels, shrunk a pixel at a time, down to
// `minPixels`, until the text fits the label's width on one line.
void fitFontToWidth(QLabel *label, int pixels, int minPixels);

// The same for a label that wraps its text at word boundaries: shrunk until every word fits the
// width and all the lines the height.
void fitFontToBox(QLabel *label, int pixels, int minPixels);
