#include "table/form_skin.h"

#include <QSize>

#include "platform/twips.h"
#include "records/state.h"
#include "table/control_art.h"
#include "table/skin_empty_piles.h"

namespace grisk {

namespace {
constexpr int32_t kLight = 0xE0E0E0;
constexpr int32_t kDark = 0xC0C0C0;
}  // namespace

void ApplyFormSkin(vb::Form& frm) {
    SelectEmptyPileImages();
    PaintFormSkin(frm);
}

void PaintFormSkin(vb::Form& frm) {
    const QSize area(static_cast<int>(screen::TwipsToPixels(frm.Width())),
                     static_cast<int>(screen::TwipsToPixels(frm.Height())));
    frm.setPicture(control_art::Skin(recs.SkinOn ? 0 : 1), vb::PictureLayout::Stretched, area);
    const int32_t colour = recs.SkinOn ? kSkinControlColor : kPlainControlColor;
    if (frm.Name() != QLatin1String("frmHold")) return;
    for (vb::Control* c : frm.paintOrder())
        if (c->kind() == vb::Kind::Label || c->kind() == vb::Kind::CommandButton) c->setBackColor(colour);
}

void DesignFormBorderLines(vb::Form& frm) {
    vb::ControlArray* line1 = frm.findArray(QStringLiteral("Line1"));
    vb::ControlArray* line2 = frm.findArray(QStringLiteral("Line2"));
    if (!line1 || !line2 || !line1->exists(0) || !line2->exists(0)) return;
    (*line1)(0).setBorderColor(0xFFFFFF);
    (*line1)(0).setLineEnds(0, 0, 0, frm.Height());
    (*line2)(0).setBorderColor(0xFFFFFF);
    (*line2)(0).setLineEnds(0, 0, frm.Width(), 0);
    for (vb::ControlArray* line : {line1, line2}) {
        line->ensure(1).setBorderColor(0x808080);
        (*line)(1).setVisible(true);
    }
}

void DrawFormBorderLines(vb::Form& frm) {
    vb::ControlArray* line1 = frm.findArray(QStringLiteral("Line1"));
    vb::ControlArray* line2 = frm.findArray(QStringLiteral("Line2"));
    if (!line1 || !line2 || !line1->exists(0) || !line2->exists(0)) return;
    line1->ensure(1);
    line2->ensure(1);
    for (int i = 2; i <= 3; ++i) {
        line1->ensure(i).setVisible(true);
        line2->ensure(i).setVisible(true);
    }
    const vb::ScaleMode mode = frm.scaleMode();
    frm.setScaleMode(vb::ScaleMode::Twips);
    const double w = frm.Width();
    const double h = frm.Height();
    (*line1)(2).setBorderColor(kLight);
    (*line1)(2).setLineEnds(30, 0, 30, h - 60);
    (*line1)(3).setBorderColor(kDark);
    (*line1)(3).setLineEnds(w - 30, 15, w - 30, h - 30);
    (*line2)(2).setBorderColor(kLight);
    (*line2)(2).setLineEnds(30, 30, w - 60, 30);
    (*line2)(3).setBorderColor(kDark);
    (*line2)(3).setLineEnds(20, h - 30, w - 15, h - 30);
    for (int i = 0; i <= 1; ++i) {
        vb::Control& v = (*line1)(i);
        v.setLineEnds(v.X1(), v.Y1(), v.X2(), h);
        vb::Control& hz = (*line2)(i);
        hz.setLineEnds(hz.X1(), hz.Y1(), w - 30, hz.Y2());
    }
    vb::Control& bottom = (*line2)(1);
    bottom.setLineEnds(bottom.X1(), h - 15, bottom.X2(), h - 15);
    vb::Control& right = (*line1)(1);
    right.setLineEnds(w - 15, right.Y1(), w - 15, right.Y2());
    frm.setScaleMode(mode);
}

}  // namespace grisk
