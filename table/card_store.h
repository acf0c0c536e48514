// The hidden picture windows that card drawing keeps its pictures in.
#pragma once

namespace grisk {

// Drops the hidden picture windows (they are made again on first use).
void ReleaseCardPictureStores();

}  // namespace grisk
