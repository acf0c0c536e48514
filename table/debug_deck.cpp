#include "table/debug_deck.h"

#include <QImage>
#include <algorithm>
#include <QPainter>
#include <memory>
#include <vector>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "records/state.h"
#include "table/card_art.h"
#include "table/card_drawing.h"
#include "table/frm_std_sm.h"

namespace grisk {

namespace {
constexpr int kCardsPerRow = 20;
constexpr int kStepX = 45;
constexpr int kStepY = 75;
constexpr int kFirstFullFaceStyle = 6;  // styles below are number decks without a face sheet

// Every view opened and not yet given up: each stays until the user closes
// it.
std::vector<std::unique_ptr<FrmStdSm>>& deckWindows() {
    // The list of loaded windows is made first, so that it outlives the views.
    static const bool listFirst = (vb::forms::loaded(), true);
    (void)listFirst;
    static std::vector<std::unique_ptr<FrmStdSm>> views;
    return views;
}

// A cell with no face: a white card with its outline.
QImage blankCell() {
    QImage cell(card_art::kLargeW, card_art::kLargeH, QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter p(&cell);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(0, 0, card_art::kLargeW - 1, card_art::kLargeH - 1);
    return cell;
}

// The face of card cardNo cut from the sheet in force; a blank cell when a
// number deck is in use (it has no sheet) or the number is no card.
QImage cellOf(int cardNo) {
    if (recs.DeckStyle < kFirstFullFaceStyle) return blankCell();
    const QImage face = SheetFaceImage(cardNo);
    return face.isNull() ? blankCell() : face;
}
}  // namespace

void DebugShowDeck() {
    // Views the user has closed go; the others stay open beside the new one.
    auto& views = deckWindows();
    views.erase(std::remove_if(views.begin(), views.end(), [](const auto& v) { return !v->isLoaded(); }),
                views.end());
    FrmStdSm* w = views.emplace_back(std::make_unique<FrmStdSm>()).get();
    const FrmGrisk& main = frmGrisk();
    w->Move(w->Left(), w->Top(), main.Width(), main.Height());
    w->setCaption(QStringLiteral("The Shuffled Deck"));
    w->picBitMap.setVisible(false);
    w->imgALL.setPicture(QImage());
    w->imgALL.setVisible(false);

    const int rows = std::max(1, (eng.TotalCards + kCardsPerRow - 1) / kCardsPerRow);
    QImage canvas(kStepX * (kCardsPerRow - 1) + card_art::kLargeW, kStepY * (rows - 1) + card_art::kLargeH,
                  QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        for (int i = 1; i <= eng.TotalCards; ++i) {
            const int row = (i - 1) / kCardsPerRow;
            const int col = (i - 1) % kCardsPerRow;
            p.drawImage(col * kStepX, row * kStepY, cellOf(eng.Deck(0, i)));
        }
    }
    w->setPicture(canvas);
    w->Show();
}

}  // namespace grisk
