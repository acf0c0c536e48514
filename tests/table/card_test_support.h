// Shared set-up of the card-picture tests: a table with its pile pictures in
// pixels, fresh picture stores, a temporary data folder, and a stand-in for
// the preferences window's previews.
#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "engine/frm_grisk.h"
#include "platform/controls.h"
#include "support/test_support.h"

namespace grisk_test {

class CardTest : public GriskTest {
protected:
    void SetUp() override;
    void TearDown() override;
    grisk::FrmGrisk& table() { return grisk::frmGrisk(); }
};

// The face sheet's cell of card n (1..52), cut by its own arithmetic.
QImage cellOf(const QImage& sheet, int n);

// A sheet whose every pixel tells its card and its place in the cell, with
// a marked strip at x = 0 that no cell may include.
QImage markedSheet();

// The file name of the card sound that f asked for, "" when none.
QString soundOf(const std::function<void()>& f);

// The preferences window's back previews, as the card-image library sees
// them: FilePic(0..15) and picCardBack(0).
class OptionsStandIn : public vb::Form {
public:
    OptionsStandIn();
    vb::ControlArray& FilePic;
    vb::ControlArray& picCardBack;
};

}  // namespace grisk_test
