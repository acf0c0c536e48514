#include "table/card_counter.h"

namespace grisk {

void UpdateCardCounter() {
    // The counter window reads the dealt markers itself when it opens; there
    // is nothing to refresh while it is closed.
}

}  // namespace grisk
