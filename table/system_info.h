// The system-information box: the screen, the colour depth, the font size,
// the table window's size and the processor's speed.
#pragma once

namespace grisk {

// Builds the text in MsgText and shows it in an information box with the
// default title; the answer goes to MsgAnswer.
void DisplayStats();

}  // namespace grisk
