// Fitting a one-line caption into its label when the screen's font is wider than the design's.
#pragma once

class QLabel;

// Gives the label its text's font at `pixels` pixels, shrunk a pixel at a time, down to
// `minPixels`, until the text fits the label's width on one line.
void fitFontToWidth(QLabel *label, int pixels, int minPixels);
