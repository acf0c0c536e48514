#include "engine/piles.h"

#include "engine/cards.h"
#include "engine/frm_grisk.h"
#include "engine/general.h"
#include "engine/program_sound.h"
#include "engine/reshuffle_net.h"
#include "engine/stalemate.h"
#include "engine/state.h"
#include "engine/turn_cycle.h"
#include "net/frm_chat.h"
#include "net/state.h"
#include "platform/msgbox.h"
#include "platform/vb.h"
#include "platform/vberror.h"
#include "shell/state.h"
#include "table/layout_pictures.h"

namespace grisk {

namespace {

// The used pile emptied and made as large as the stock can be.
void emptyUsedPile() {
    eng.Used.redim({{0, 1}, {0, eng.TotalCards}});
    eng.UsedCount = 0;
}

// The used pile becomes the stock in its order, shuffled as one pack.
void stockFromUsedPile() {
    for (int i = 1; i <= eng.StockCount; ++i) {
        for (int f : {1, 0}) {
            eng.Deck(f, i) = eng.Used(f, i);
            eng.Used(f, i) = 0;
        }
    }
    ShuffleDeck(1, eng.StockCount);
}

// The chat window's send button, disabled for the exchange when it was
// enabled; put back as it was when the exchange ends, however it ends.
class ChatButtonHold {
public:
    ChatButtonHold() {
        if (inet.NetPeers == 0 || !FrmChatExists()) return;
        vb::Control& send = frmChat().Command1;
        if (!send.Enabled()) return;
        send.setEnabled(false);
        held_ = true;
    }
    ~ChatButtonHold() {
        if (held_ && FrmChatExists()) frmChat().Command1.setEnabled(true);
    }
    ChatButtonHold(const ChatButtonHold&) = delete;
    ChatButtonHold& operator=(const ChatButtonHold&) = delete;

private:
    bool held_ = false;
};
}  // namespace

void Add_Center() {
    FrmGrisk& f = frmGrisk();
    const int c = eng.TargetCenter;
    eng.CenterCount(c) += 1;
    const int k = eng.CenterCount(c);
    eng.CenterPile(1, c, k) = eng.MoveCard(1);
    eng.CenterPile(0, c, k) = eng.MoveCard(0);
    if (eng.MoveCard(1) == kKing) {
        const QString value = vb::Str(k) + " ";
        f.LblWild(c).setCaption(value);
        f.PicCenter(c).setToolTipText(value);
        f.LblWild(c).setVisible(true);
    } else {
        f.PicCenter(c).setToolTipText(QString());
        f.LblWild(c).setVisible(false);
    }
    if (cmd.TutorialOn) {
        f.imgTip.setVisible(false);
        f.imgTipUp.setVisible(false);
        EnablePlayerCards(false);
    }
    NoteCardsMoved();
}

void Add_Used() {
    FrmGrisk& f = frmGrisk();
    const int c = eng.TargetCenter;
    f.Label9(0).setCaption(QStringLiteral(" CLEARING "));
    f.Label9(0).setVisible(true);
    if (inet.NetPeers != 0 && eng.Pturn != 1) Pause(0.5);
    f.LblWild(c).setVisible(false);
    for (int k = 1; k <= kFullPile; ++k) {
        eng.UsedCount += 1;
        eng.Used(1, eng.UsedCount) = eng.CenterPile(1, c, k);
        eng.Used(0, eng.UsedCount) = eng.CenterPile(0, c, k);
        eng.CenterPile(1, c, k) = 0;
        eng.CenterPile(0, c, k) = 0;
    }
    eng.CenterCount(c) = 0;
    NoteCardsMoved();
    PlayProgramSound(kSoundClearing);
    Pause(inet.NetPeers != 0 ? 0.2 : 2 * eng.CompDelay);
    ShowEmptyPile(f.PicCenter(c));
    Pause(2 * eng.CompDelay);
    f.Label9(0).setVisible(false);
}

void Deal_Players(vb::ControlArray& owner, vb::Array<int, 2>& cards) {
    FrmGrisk& f = frmGrisk();
    for (int s = 2; s <= 6; ++s) {
        if (eng.StockCount == 0) RESHUFFLE();
        owner(s).ZOrder(0);
        if (cards(1, s) != 0) continue;
        if (eng.Deck(1, eng.StockCount) == 0 || !DealCard(owner, cards, s, 5)) {
            STALEMATE();
            return;
        }
        if (eng.Pturn == 1) owner(s).setEnabled(true);
    }
    if (eng.HandCount == 0)
        f.Label9(1).setCaption(eng.Pturn == 1 ? QStringLiteral("\n\nYOU Picked Up") : eng.TurnName + " Picked Up");
    eng.HandCount = 5;
    if (f.picPanel.Visible()) f.picPanel.ZOrder(0);
}

namespace {
const QString kDroppedTheCards =
    QStringLiteral("Oops! Sorry, I dropped the cards and can't redeal. Please start a new game.");
}  // namespace

void RESHUFFLE() {
    if (eng.UsedCount == 0) return;
    FrmGrisk& f = frmGrisk();
    const int stockBefore = eng.StockCount;
    try {
        f.PicCenter(0).setVisible(false);
        eng.StockCount = eng.UsedCount;
        ChatButtonHold chat;
        PlayProgramSound(kSoundShuffle);
        inet.NetPayload.clear();

        if (inet.NetPeers != 0 && inet.IsHost == 0) {
            f.Label9(0).setCaption(inet.HostName + " Reshuffled");
            f.Label9(0).setVisible(true);
            Pause(0.75);
            const HostStock got = TakeStockFromHost();
            if (got != HostStock::Taken) {
                // The exchange ended early or the host's stock was damaged: the
                // stock stays as it was and the used pile keeps its cards.
                eng.StockCount = stockBefore;
                f.Label9(0).setCaption(QString());
                f.PicCenter(0).setVisible(true);
                if (got == HostStock::Damaged) RefuseHostCards(kDroppedTheCards);
                return;
            }
            emptyUsedPile();
            NoteCardsMoved();
        } else {
            vb::Control& line = f.Label9(inet.NetPeers == 0 ? 2 : 0);
            line.setCaption(QStringLiteral("I Reshuffled"));
            if (inet.NetPeers != 0) line.setVisible(true);
            Pause(0.75);
            Pause(eng.CompDelay);
            stockFromUsedPile();
            if (inet.NetPeers != 0) inet.NetPayload = ReshuffleDeckLine();
            emptyUsedPile();
            NoteCardsMoved();
            if (inet.NetPeers == 0) f.Label9(2).setCaption(QStringLiteral(" "));
            if (inet.NetPeers != 0) SendStockToPeers();
        }
    } catch (const vb::Error&) {
        ShowDealerError();
        return;
    }
    f.Label9(0).setCaption(QString());
    f.PicCenter(0).setVisible(true);
}

void ShowDealerError() {
    vb::MsgBox(kDroppedTheCards, vb::vbOKOnly + vb::vbExclamation, QStringLiteral("Dealer Error"));
}

}  // namespace grisk
