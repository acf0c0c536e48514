#include "table/debug_deck.h"

#include <QImage>
#include <QPainter>
#include <memory>

#include "engine/frm_grisk.h"
#include "engine/state.h"
#include "table/card_drawing.h"
#include "table/frm_std_sm.h"

namespace grisk {

namespace {
constexpr int kCardsPerRow = 20;
constexpr int kStepX = 45;
constexpr int kStepY = 75;

std::unique_ptr<FrmStdSm>& deckWindow() {
    // The list of loaded windows is made first, so that it outlives the view.
    static const bool listFirst = (vb::forms::loaded(), true);
    (void)listFirst;
    static std::unique_ptr<FrmStdSm> w;
    return w;
}
}  // namespace

void DebugShowDeck() {
    std::unique_ptr<FrmStdSm>& w = deckWindow();
    if (w) w->Unload(1);
    w = std::make_unique<FrmStdSm>();
    const FrmGrisk& main = frmGrisk();
    w->Move(w->Left(), w->Top(), main.Width(), main.Height());
    w->setCaption(QStringLiteral("The Shuffled Deck"));
    w->picBitMap.setVisible(false);
    w->imgALL.setPicture(QImage());
    w->imgALL.setVisible(false);

    const int rows = (eng.TotalCards + kCardsPerRow - 1) / kCardsPerRow;
    QImage canvas(kStepX * (kCardsPerRow - 1) + 71, kStepY * (rows - 1) + 96, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        for (int i = 1; i <= eng.TotalCards; ++i) {
            const int row = (i - 1) / kCardsPerRow;
            const int col = (i - 1) % kCardsPerRow;
            p.drawImage(col * kStepX, row * kStepY, SheetFaceImage(eng.Deck(0, i)));
        }
    }
    w->setPicture(canvas);
    w->Show();
}

}  // namespace grisk
