#include "table/cls_dll.h"

#include "platform/controls.h"
#include "platform/vberror.h"
#include "table/card_art.h"
#include "table/frm_pic.h"
#include "table/frm_std_sm.h"

namespace grisk {

namespace {

constexpr int kPreviewLarge = 99;

void checkIndex(int i, int count) {
    if (i < 0 || i >= count) vb::raise(vb::ErrInvalidCall);
}

// A control of a window by name and index (element of a control array).
vb::Control& controlOf(vb::Form& form, const QString& name, int index) {
    for (vb::Control* c : form.paintOrder())
        if (c->Name() == name && c->Index() == index) return *c;
    vb::raise(vb::ErrControlArrayElement);
}

}  // namespace

// The library's decks are the art's decks after the built-in one.
int CardImageLibrary::DeckCount() const { return card_art::FaceDeckCount() - 1; }

int CardImageLibrary::BackCount() const { return card_art::BackDesignCount(); }

int32_t CardImageLibrary::BackColor(int back) const {
    checkIndex(back, BackCount());
    return card_art::BackDesignColor(back);
}

QImage CardImageLibrary::FaceSheet(int deck) const {
    checkIndex(deck, DeckCount());
    return card_art::FaceSheet(deck + 1);
}

QImage CardImageLibrary::BackPicture(int back, bool small) const {
    checkIndex(back, BackCount());
    return card_art::Back(back, small);
}

clsDLL::clsDLL() : library_(std::make_unique<CardImageLibrary>()) {}
clsDLL::~clsDLL() = default;

int clsDLL::GetDecksQuantity() { return library_->DeckCount(); }

int clsDLL::GetBacksQuantity() { return library_->BackCount(); }

void clsDLL::GetCardFaces(int thisPicked) {
    const int deck = thisPicked - 7;
    FrmStdSm& sm = frmStdSm();
    if (deck >= 0 && deck < library_->DeckCount())
        sm.imgALL.setPicture(library_->FaceSheet(deck));
    else
        sm.imgALL.setPicture(card_art::FaceSheet(0));
}

void clsDLL::GetCardBacks(int WhichDeck, vb::Form& ThisForm, int toPic, bool SmallSize) {
    if (ThisForm.Name() != QLatin1String("frmOptions")) {
        FrmPic& store = frmPic();
        if (WhichDeck == 0) {
            const QImage plain = store.FilePic(2).Picture();
            store.FilePic(5).setPicture(plain);
            store.FilePic(0).setPicture(plain);
            return;
        }
        int back = WhichDeck - 1;
        if (back < 0 || back >= library_->BackCount()) back = 0;
        store.FilePic(5).setPicture(library_->BackPicture(back, true));
        store.FilePic(0).setPicture(library_->BackPicture(back, false));
        return;
    }
    const QImage picture = library_->BackPicture(WhichDeck - 1, SmallSize);
    if (toPic == kPreviewLarge) {
        vb::Control& preview = controlOf(ThisForm, QStringLiteral("picCardBack"), 0);
        preview.setPicture(picture);
        preview.setBackColor(library_->BackColor(WhichDeck - 1));
    } else {
        controlOf(ThisForm, QStringLiteral("FilePic"), toPic).setPicture(picture);
    }
}

}  // namespace grisk
