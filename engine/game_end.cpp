#include "engine/game_end.h"

#include <algorithm>
#include <array>
#include <vector>

#include "engine/cards.h"
#include "engine/flash.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/player_record.h"
#include "engine/state.h"
#include "net/internet_scores.h"
#include "net/protocol.h"
#include "net/receive.h"
#include "net/state.h"
#include "platform/eventwait.h"
#include "platform/msgbox.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/vb.h"
#include "records/profile.h"
#include "records/state.h"
#include "records/stats.h"
#include "shell/state.h"
#include "table/animation_flow.h"
#include "table/layout_sizes.h"
#include "table/peek.h"

namespace grisk {

namespace {

constexpr int kOverflowWarning = 32000;
constexpr int kNetGamePending = 99;  // NetPeers while a lost session's end still runs

// However Game_End leaves, the game is released: the close button and the
// menus work again, and a lost session's mark is taken off.
class ReleaseAtEnd {
public:
    ReleaseAtEnd() = default;
    ~ReleaseAtEnd() {
        eng.GameBusy = false;
        // The tutorial keeps the menus locked until it closes.
        cmd.MenuLocked = cmd.TutorialOn;
        if (inet.NetPeers == kNetGamePending) inet.NetPeers = 0;
    }
    ReleaseAtEnd(const ReleaseAtEnd&) = delete;
    ReleaseAtEnd& operator=(const ReleaseAtEnd&) = delete;
};

QString wonText(int margin, bool local) {
    QString text = QStringLiteral("That was your LAST CARD! OK, so you won!!!  ");
    if (eng.OppSideCount == 1) {
        text += "You beat " + eng.TurnName + " by one card!";
        if (local) text += QStringLiteral(" I DEMAND a rematch!");
        return text;
    }
    if (local) {
        if (margin < 6) text += QStringLiteral("Whew, that was close!");
        if (margin >= 11) text += eng.TurnName + " needs" + " more memory...";
    }
    text += QLatin1Char('\n');
    if (eng.NumPlayers >= 3)
        text += "(Your opponents had" + vb::Str(margin) + " cards left.)";
    else
        text += "(" + eng.TurnName + " had" + vb::Str(eng.OppSideCount) + " cards left.)";
    return text;
}

QString lostText(int margin, bool local) {
    QString text = "That was the last card, " + eng.TurnName + " WON with a margin of " + vb::Str(margin) + " ! ";
    if (eng.SideCount == 1) return text + QStringLiteral("You ONLY had 1 card left! That was CLOSE!");
    if (local) {
        if (eng.SideCount < 6) text += QStringLiteral("That was pretty close!");
        if (eng.SideCount > 11) text += QStringLiteral("Were you SLEEPING?");
    }
    return text + "\nYou had" + vb::Str(eng.SideCount) + " cards left!";
}

// The row of the opponent table that names the winner; -1 when none does.
int winnersRow(const QString& name) {
    const auto& table = recs.OppTable;
    for (int r = table.lbound(1); r <= table.ubound(1); ++r)
        if (vb::Trim(table(r, 1)) == name) return r;
    return -1;
}

// Every computer seat's best run of the game against the computer
// opponents' best ever (kept jointly): the loaded seat's row first, then
// each seat's own (a seat's row goes into its record when its turn ends,
// so the loaded seat's record may hold an older copy). Row 4 is left as
// it was.
void saveComputerBests() {
    std::vector<std::array<int, 6>> runs;
    const auto take = [&runs](const std::array<int, 6>& run) {
        if (std::find(runs.begin(), runs.end(), run) == runs.end()) runs.push_back(run);
    };
    std::array<int, 6> loaded{};
    for (int c = 0; c <= 5; ++c) loaded[c] = recs.BestRun(4, c);
    take(loaded);
    for (int seat = 2; seat <= std::clamp(eng.NumPlayers, 2, 4); ++seat) {
        std::array<int, 6> run{};
        for (int c = 0; c <= 5; ++c) run[c] = SeatRecord(seat).RecBestRun(1, c);
        take(run);
    }
    for (const auto& run : runs) {
        for (int c = 0; c <= 5; ++c) recs.BestRun(4, c) = run[c];
        StatsSave(4, 5);
    }
    for (int c = 0; c <= 5; ++c) recs.BestRun(4, c) = loaded[c];
}

// A local game counted in the signed-in player's profile.
void countInProfile() {
    eng.MsgText.clear();
    const bool saved = UpdateCurrentProfile([] {
        DoTheUpdate(0);
        eng.StatLost = eng.StatPlayed - eng.StatWon;
        eng.MsgText = eng.PlayerName + "\nGames Won:" + vb::Str(eng.StatWon) + "\nGames Lost:" + vb::Str(eng.StatLost);
        DoTheUpdate(std::clamp(eng.Player2.Level, 0, 2) + 1);
        DoTheUpdate(std::clamp(eng.NumPlayers, 2, 4) + 2);
        StatsSave(2, 0);
        saveComputerBests();
    });
    if (!saved) ReportProfileNotSaved();
}

// An Internet game counted in the session and the Internet score file.
void countInSession(bool humanWon, const QString& winner) {
    if (humanWon) inet.NetSessionWins += 1;
    inet.NetSessionGames += 1;
    Scores_Net(humanWon ? QString() : winner);
    eng.EndText = "Your scores this NET session:\n" + QString::number(inet.NetSessionGames) + " games played\n" +
                  vb::Str(inet.NetSessionWins) + " wins, " + vb::Str(inet.NetSessionMargin) + " margin";
    vb::Control& line = frmGrisk().Label9(2);
    const double size = line.FontSize();
    line.setFontSize(size - 2);
    line.setCaption(eng.EndText);
    line.setFontSize(size);
}

bool internetWaitOver() {
    const int s = inet.NetState;
    return s == nsGone || s == nsEndGame || s == nsGameStart || s == nsSeatList;
}

// A remote machine waits for the host's next game or the session's end.
// False when the program is closing.
bool awaitHostsNextGame() {
    while (!internetWaitOver()) {
        if (eng.Quitting) return false;
        if (inet.NetPeers == 0) {
            inet.NetPeers = kNetGamePending;
            return true;
        }
        NetWaitForData(0);
        waits::DoEvents();
    }
    return !eng.Quitting;
}

}  // namespace

int DoTheMargin() {
    int margin = eng.SideCount + eng.Player2.RecSideCount;
    if (eng.NumPlayers >= 3) margin += eng.Player3.RecSideCount;
    if (eng.NumPlayers >= 4) margin += eng.Player4.RecSideCount;
    return margin;
}

void DoTheMath() {
    eng.StatPlayed += 1;
    if (eng.StatPlayed > kOverflowWarning)
        vb::MsgBox(QStringLiteral("The number of games you've played will soon exceed my memory.\n"
                                  "Please clear your score file and start fresh!"),
                   vb::vbInformation, QStringLiteral("Score file overflowing"));
    eng.LastMargin = DoTheMargin();
    if (eng.SideCount != 0) {
        eng.StatMargin -= eng.LastMargin;
    } else {
        eng.StatWon += 1;
        eng.StatMargin += eng.LastMargin;
    }
}

void DoTheNETMath(bool ThisOneWon) {
    eng.LastMargin = DoTheMargin();
    eng.StatPlayed += 1;
    if (ThisOneWon) {
        eng.StatWon += 1;
        eng.StatMargin += eng.LastMargin;
    } else {
        eng.StatMargin -= eng.LastMargin;
    }
}

void DoTheUpdate(int thisScore) {
    PlayerProfileRecord& p = recs.ProfileRec;
    eng.StatPlayed = p.GamesPlayed(thisScore);
    eng.StatWon = p.GamesWon(thisScore);
    eng.StatMargin = p.Margin(thisScore);
    DoTheMath();
    p.GamesPlayed(thisScore) = vb::ClampToInteger(eng.StatPlayed);
    p.GamesWon(thisScore) = vb::ClampToInteger(eng.StatWon);
    p.Margin(thisScore) = vb::ClampToInteger(eng.StatMargin);
}

void Game_End() {
    ReleaseAtEnd release;
    FrmGrisk& f = frmGrisk();
    eng.GameBusy = true;
    f.Timer1.Enabled = false;
    cmd.MenuLocked = true;
    EnablePileRange(f.Picture7, false, 2, 6);
    // Only an empty pay-off pile ends a game, and only one of them can be.
    if ((eng.SideCount == 0) == (eng.OppSideCount == 0)) return;

    const bool local = inet.NetPeers == 0;
    const bool humanWon = eng.SideCount == 0;
    QString winner;
    int row = -1;
    if (!humanWon) {
        if (eng.Pturn >= 2 && eng.Pturn <= 4) ExchangePlayerRecord(SeatRecord(eng.Pturn), true);
        winner = eng.TurnName;
        if (local) row = winnersRow(winner);
    }
    if (humanWon)
        StatsCk(1, 2);
    else
        StatsCk(3, 4);
    eng.Pturn = 0;

    f.Label9(1).setCaption(QStringLiteral(" "));
    if (local) f.Label9(2).setCaption(QStringLiteral(" "));
    eng.EndText = QStringLiteral(" ");
    eng.Peeking = true;
    Peek();
    const int margin = DoTheMargin();
    if (humanWon) {
        if (recs.SoundLevel == 0) sound::PlayAsync(eng.SoundFiles(14));
        eng.EndText = wonText(margin, local);
    } else {
        eng.EndText = lostText(margin, local);
        waits::DoEvents();
        if (recs.SoundLevel == 0) sound::PlaySync(eng.SoundFiles(15));
    }
    f.Label9(1).setCaption(eng.EndText);

    if (local) {
        // A lesson's game is no game of the player's statistics.
        if (!cmd.TutorialOn) countInProfile();
    } else {
        countInSession(humanWon, winner);
        cmd.MenuLocked = false;
        eng.GameBusy = false;
        if (inet.IsHost != 1 && !awaitHostsNextGame()) return;
    }

    eng.GameBusy = false;
    if (eng.Quitting) return;
    EnablePileRange(f.Picture7, true, 7, 10);
    if (!humanWon) f.Picture7(1).setEnabled(true);
    recs.TurnCount = 0;
    SetHoldImagePicture();

    if (inet.NetPeers == 0 && inet.NetState != nsGone) {
        if (!humanWon && !recs.SkipLoseShow && row >= 0) {
            if (recs.SoundLevel == 0) sound::PlayAsync(eng.SoundFiles(13));
            Flash(row);
            if (eng.Quitting) return;
        }
        f.Label9(2).setCaption(eng.MsgText);
        f.cmdDeal.setVisible(!cmd.TutorialOn);
        // In the tutorial the steps go on at once.
        if (humanWon && !recs.SkipWinShow && !cmd.TutorialOn) AnimateCardsFlow(static_cast<int>(vb::Int(2 * vb::Rnd())) + 1);
    }
}

}  // namespace grisk
