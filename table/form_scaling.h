// Fitting a window to the screen, or stepping its size up or down: the
// window and the controls on it are scaled together. Every window is
// designed at one size (the main window at 12000 by 9000 twips).
#pragma once

namespace vb {
class Form;
}

namespace grisk {

// The two ways of scaling a window.
inline constexpr int kScaleToScreen = 4;  // fit to the screen; step not read
inline constexpr int kScaleByStep = 5;    // step 2 grows by 1.25, step 3 shrinks by 0.8
inline constexpr int kStepLarger = 2;
inline constexpr int kStepSmaller = 3;

// Scales the window frm and its controls (mode 4: to the screen; mode 5:
// by step 2 or 3) and sets CardSpacing for a step. A minimised or
// maximised window is left as it is. The main window keeps its width (its
// layout sets that) and, while it loads, its height; its avatar, slap
// picture, menu strip, rules labels, emotion icon and turn arrows keep
// their places (the avatar and slap picture are scaled on a screen
// narrower than 12000 twips). A property a control lacks is passed over.
void ScaleFormToScreen(vb::Form& frm, int mode, int step);

// A small window over the table on a large-fonts screen: scaled down one
// step (x 0.8), as such windows are. The table's card spacing, which a step
// also sets, stays as it is: a window opening does not re-space the table.
void ScaleCompanionWindow(vb::Form& frm);

// The factors a call would use, X then Y (for the callers' checks).
struct ScaleFactors {
    float x = 1;
    float y = 1;
};
ScaleFactors FormScaleFactors(int mode, int step);

}  // namespace grisk
