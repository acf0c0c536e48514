// The table layout as one include: card sizes, centre piles, pile rows,
// pay-off stacks, geometry for two to four players, reset and player count,
// and the display services they rest on.
#pragma once

#include "table/display_size.h"
#include "table/layout_centre.h"
#include "table/layout_geometry.h"
#include "table/layout_pictures.h"
#include "table/layout_redraw.h"
#include "table/layout_reset.h"
#include "table/layout_rows.h"
#include "table/layout_sizes.h"
#include "table/layout_stacks.h"
#include "table/pile_labels.h"
#include "table/seat_controls.h"
#include "table/table_labels.h"
#include "table/wild_counters.h"
