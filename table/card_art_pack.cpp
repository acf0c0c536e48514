// The pack of card pictures that the build painted, built into the program
// as it is (read-only data, mapped from the program file on first use).
#include "card_pictures_pack.h"  // its path, and its checksum: a new pack builds this file again

#include "table/card_art_pack.h"

static_assert(sizeof(GRISK_CARD_PICTURES_SUM) > 1, "the pack's checksum");

asm(".section .rodata.grisk_card_pictures,\"a\"\n"
    ".balign 64\n"
    ".globl grisk_card_pictures_begin\n"
    ".hidden grisk_card_pictures_begin\n"
    "grisk_card_pictures_begin:\n"
    ".incbin \"" GRISK_CARD_PICTURES_PACK "\"\n"
    ".globl grisk_card_pictures_end\n"
    ".hidden grisk_card_pictures_end\n"
    "grisk_card_pictures_end:\n"
    ".previous\n");
