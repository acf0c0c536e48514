// The card counter frmCounter: a small window above the table that shows,
// card by card of every deck, which cards have come into play.
#pragma once

#include <memory>

#include "platform/controls.h"

namespace grisk {

class Class1;

class FrmCounter : public vb::Form {
public:
    FrmCounter();
    ~FrmCounter() override;
    vb::Control& Label1;      // the rank header over the grid
    vb::Control& LblGrid;     // one row of 13 entries per suit of every deck
    vb::ControlArray& Image1; // row labels: 0 for decks 1 and 2, 1 for decks 3 and 4

    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_Unload(int& cancel) override;

private:
    std::unique_ptr<Class1> onTop_;
};

// The window, made and loaded on first use; once closed, the next use builds
// it anew as designed. It is shown only by the Card Counter command.
FrmCounter& frmCounter();
bool FrmCounterExists();
void ReleaseFrmCounter();

// Rebuilds the grid text from the seen marks of the stock (Deck(2, n)):
// per card " 1 " when it has come into play, " _ " when not, the tenth
// column one blank wider, and a line break and a blank after every 13 cards.
void UpdateCardCounter();

// Stores the loaded seat's piles and counters back into the record of the
// seat to move (Pturn 2..4); nothing on the human's turn or between games.
void GoUpdateOpponents();

}  // namespace grisk
