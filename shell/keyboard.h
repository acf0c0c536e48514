// The keyboard of the whole table: every key of the main window comes here.
#pragma once

namespace grisk {

// Every key first stops the waiting opponent's nudges. While the card flow
// runs a key only stops it; during the tutorial every key is answered with
// the menu refusal; while the menus are locked nothing more happens.
//
// On the human's turn, while no move is under way, the numeric keypad moves
// a card: a slot's key (1 the pay-off pile, 2..6 the hand, 7..9 and 0 the
// hold piles) picks it ("Move card:  n", the card marked), Enter confirms
// it ("Move card to which pile?"; an empty slot is let go), then 1..4 play
// it to that centre pile ("Done!") through the centre rule, or, for a hand
// card, 7..9 and 0 drop it on that hold pile and end the turn. Any other
// key lets the card go.
//
// Escape puts the menu strip and its list away. Without Ctrl, Shift or Alt:
// F1 help, F2 New Game (not on a remote player's machine), F4 Previous Turn
// (local games), F5 the speed window, F6 the house rules, F7 Peek, F8 Card
// Counter, F9 the status bar, F11 Start / END Internet Game, F12 Exit,
// End the preferences; while a connection is being made only F11 works. Up
// and Down (and the space bar, forward) step through the backgrounds,
// tiled; Left and Right stretch the picture. Backspace starts the human's
// turn again (local games). A letter shows its emotion icon (other letters
// put it away), a digit or "=" plays one of the opponent's sounds. Page Up
// lets the chat window go behind the table; Delete and Home answer with a
// joke (Home also plays the intro).
//
// With Ctrl: S Save (local games), R Restore, Delete removes the background
// picture, F4 shows the avatar, F5 the splash window (or puts it away), F6
// the opponent's end-of-game show, F9 the background picture window, F10
// reveals the table's labels and the emotion icon, F11 the system
// information, Home the card flow over the pile rows. With Ctrl+Shift: S and
// R keep and load the tutorial's prepared positions, F8 switches the
// developer mode for its makers, Home the card flow in the stock; with
// Ctrl+Shift+Alt, Home the card flow over the whole table.
void HandleKeyDown(int& keyCode, int shift);

}  // namespace grisk
