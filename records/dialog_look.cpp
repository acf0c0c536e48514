#include "records/dialog_look.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "engine/frm_grisk.h"
#include "shell/state.h"
#include "table/form_scaling.h"

namespace grisk {

void DialogControl(vb::Control& c, const QString& caption, double left, double top, double width, double height,
                   vb::Control* box) {
    c.setGeometryTw(left, top, width, height);
    c.setCaption(caption);
    if (c.kind() == vb::Kind::CommandButton) {
        c.setBackColor(kDialogButtonColor);
    } else if (c.kind() != vb::Kind::TextBox && c.kind() != vb::Kind::ComboBox) {
        c.setBackColor(kDialogBackColor);
        c.setForeColor(0);
    }
    if (box) c.setContainer(box);
}

void PlaceDialogOverTable(vb::Form& dialog) {
    if (!cmd.FormLoading) ScaleFormToScreen(dialog, kScaleToScreen, 0);
    if (!FrmGriskExists()) return;
    FrmGrisk& main = frmGrisk();
    dialog.Move(main.Left() + (main.Width() - dialog.Width()) / 2, main.Top() + (main.Height() - dialog.Height()) / 3,
                dialog.Width(), dialog.Height());
}

void ShowDialogAsDesigned(vb::Form& dialog) {
    dialog.LoadAsDesigned();
    if (dialog.isLoaded()) dialog.Show(true);
}

vb::ControlArray& LoadElements(vb::ControlArray& a, int first, int last) {
    for (int i = first; i <= last; ++i) a.ensure(i).setVisible(true);
    return a;
}

namespace {

QImage blank(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A sheet of paper with a folded corner, within r.
void page(QPainter& p, const QRectF& r) {
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - 5, r.top());
    sheet.lineTo(r.right(), r.top() + 5);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawLine(QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5));
    p.drawLine(QPointF(r.right() - 5, r.top() + 5), QPointF(r.right(), r.top() + 5));
    p.setPen(QColor(150, 150, 190));
    for (double y = r.top() + 8; y < r.bottom() - 2; y += 3) p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

}  // namespace

QImage PointerPicture() {
    QImage img = blank(16, 20);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF arrow{{1, 7}, {8, 7}, {8, 2}, {15, 10}, {8, 18}, {8, 13}, {1, 13}};
    p.setPen(QPen(QColor(90, 20, 0), 1));
    p.setBrush(QColor(230, 90, 20));
    p.drawPolygon(arrow);
    return img;
}

QImage EditorButtonPicture(int which) {
    QImage img = blank(24, 24);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case 0:  // new: a fresh page with a star
        page(p, QRectF(4.5, 2.5, 15, 19));
        p.setPen(QPen(QColor(220, 160, 0), 2));
        p.drawLine(QPointF(18, 2), QPointF(18, 10));
        p.drawLine(QPointF(14, 6), QPointF(22, 6));
        break;
    case 1: {  // open: a folder with its flap up
        p.setPen(QPen(QColor(120, 80, 10), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(2.5, 7.5, 19, 13));
        p.drawRect(QRectF(2.5, 5.5, 7, 3));
        p.setBrush(QColor(250, 225, 130));
        p.drawPolygon(QPolygonF{{5.5, 11.5}, {23.5, 11.5}, {20.5, 20.5}, {2.5, 20.5}});
        break;
    }
    case 2:  // save: a floppy disk
        p.setPen(QPen(QColor(20, 30, 70), 1));
        p.setBrush(QColor(50, 80, 170));
        p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
        p.setBrush(QColor(225, 225, 225));
        p.drawRect(QRectF(6.5, 2.5, 11, 7));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 13.5, 13, 8));
        p.setBrush(QColor(50, 80, 170));
        p.drawRect(QRectF(13.5, 3.5, 2, 5));
        break;
    default: {  // export: a page with an arrow leaving it
        page(p, QRectF(2.5, 2.5, 13, 19));
        p.setPen(QPen(QColor(0, 120, 40), 1));
        p.setBrush(QColor(40, 180, 80));
        p.drawPolygon(QPolygonF{{10, 10}, {17, 10}, {17, 6}, {23, 13}, {17, 20}, {17, 16}, {10, 16}});
        break;
    }
    }
    return img;
}

}  // namespace grisk
