#include "table/card_store.h"

#include "table/frm_cards.h"
#include "table/frm_pic.h"
#include "table/frm_std_sm.h"

namespace grisk {

void ReleaseCardPictureStores() {
    ReleaseFrmPic();
    ReleaseFrmStdSm();
    ReleaseFrmCards();
}

}  // namespace grisk
