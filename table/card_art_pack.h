// The card pictures' pack inside the program (see card_art_paint.h).
#pragma once

extern "C" {
extern const unsigned char grisk_card_pictures_begin[];
extern const unsigned char grisk_card_pictures_end[];
}
