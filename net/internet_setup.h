// Starting and ending an Internet game, and sending a saved game to the
// other machines: the Internet menu's entry points.
#pragma once

namespace grisk {

// Start / END Internet Game. During an Internet game (or while one is being
// connected) it asks "Do you want to end this Quenmoor Online Game?"; on Yes
// the other machines hear the quit notice and "GO" while the connection
// stands, and the table becomes a local game again. Without one it would
// open the connection window, which Internet play brings: until then
// nothing happens.
void SetupInternet();

// The host sends the position on its table (a game just restored or
// restarted) to every remote player. Nothing happens without peers; the
// transfer itself comes with Internet play.
void SendRecover();

}  // namespace grisk
