// The tab strip and the grid of the control model: without a screen, the
// pages a tab shows, the cells of a grid and the events the player's picks
// and clicks raise; on the (offscreen) screen, the widgets that show them
// and report the player.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>

#include "platform/controls.h"
#include "platform/formwindow.h"
#include "support/test_support.h"

namespace {

// A strip of three tabs: a grid on the first page, a frame with two option
// buttons on the second, a check box on the strip whatever its tab, and a
// button off the strip. Every event is noted.
class PagesForm : public vb::Form {
public:
    PagesForm()
        : vb::Form("frmPages"),
          SSTab1(addControl(vb::Kind::TabStrip, "SSTab1")),
          Grid1(addControl(vb::Kind::Grid, "Grid1")),
          fraPage(addControl(vb::Kind::Frame, "fraPage")),
          optPage(addArray(vb::Kind::OptionButton, "optPage", 0)),
          chkAll(addControl(vb::Kind::CheckBox, "chkAll")),
          cmdClose(addControl(vb::Kind::CommandButton, "cmdClose")) {
        Move(0, 0, 9000, 6000);
        SSTab1.setGeometryTw(150, 150, 8000, 4500);
        SSTab1.setTabs(3);
        for (int t = 0; t < 3; ++t) {
            SSTab1.setTabCaption(t, "Page " + QString::number(t));
            SSTab1.setTabToolTip(t, "Tip " + QString::number(t));
        }
        Grid1.setContainer(&SSTab1, 0);
        Grid1.setGeometryTw(300, 600, 7000, 3000);
        fraPage.setContainer(&SSTab1, 1);
        fraPage.setGeometryTw(300, 600, 5000, 1200);
        for (int i = 0; i <= 1; ++i) {
            optPage.ensure(i).setVisible(true);
            optPage(i).setContainer(&fraPage);
            optPage(i).setGeometryTw(450 + 2000 * i, 900, 1800, 300);
            optPage(i).setCaption("Choice " + QString::number(i));
        }
        chkAll.setContainer(&SSTab1);
        chkAll.setGeometryTw(300, 4000, 3000, 300);
        chkAll.setCaption("Always");
        cmdClose.setGeometryTw(6000, 5000, 1200, 400);
        cmdClose.setCaption("Close");
    }
    vb::Control& SSTab1;
    vb::Control& Grid1;
    vb::Control& fraPage;
    vb::ControlArray& optPage;
    vb::Control& chkAll;
    vb::Control& cmdClose;
    QStringList events;

    void Click(vb::Control& c) override {
        if (c.kind() == vb::Kind::Grid)
            events << QString("Click %1 %2,%3").arg(c.Name()).arg(c.Row()).arg(c.Col());
        else if (c.kind() == vb::Kind::TabStrip)
            events << QString("Click %1 %2").arg(c.Name()).arg(c.Tab());
        else
            events << "Click " + c.Name();
    }
    void MouseDown(vb::Control&, int, int, double, double) override {}
    void MouseUp(vb::Control&, int, int, double, double) override {}

    // Which of grid, frame (and its buttons), check box show: "G-F-C".
    QString pages() const {
        return QString("%1-%2%3-%4")
            .arg(Grid1.shown() ? "G" : ".")
            .arg(fraPage.shown() ? "F" : ".")
            .arg(optPage(0).shown() ? "o" : ".")
            .arg(chkAll.shown() ? "C" : ".");
    }

    // The grid's texts, rows by "/", cells by ",".
    QString cells() const {
        QStringList rows;
        for (int r = 0; r < Grid1.Rows(); ++r) {
            QStringList row;
            for (int c = 0; c < Grid1.Cols(); ++c) row << Grid1.TextMatrix(r, c);
            rows << row.join(',');
        }
        return rows.join('/');
    }
};

using TabStripGridTest = grisk_test::GriskTest;

TEST_F(TabStripGridTest, ATabShowsTheControlsOfItsPageAndThePlayersPickIsReported) {
    PagesForm f;
    EXPECT_EQ(f.SSTab1.Tab(), 0);
    EXPECT_EQ(f.pages(), "G-..-C");

    // The program's switch shows the page, nested controls too, and raises
    // nothing.
    f.SSTab1.setTab(1);
    EXPECT_EQ(f.pages(), ".-Fo-C");
    EXPECT_TRUE(f.events.isEmpty());

    // The player's pick raises Click once the page shows; a pick of the tab
    // shown, or of a tab that is not there, raises nothing.
    vb::UserPicksTab(f.SSTab1, 2);
    vb::UserPicksTab(f.SSTab1, 2);
    vb::UserPicksTab(f.SSTab1, 7);
    EXPECT_EQ(f.pages(), ".-..-C");
    EXPECT_EQ(f.events, QStringList{"Click SSTab1 2"});

    // Controls on a hidden page take no clicks; a hidden strip hides all.
    vb::UserClicks(f.optPage(1));
    EXPECT_EQ(f.optPage(1).Value(), 0);
    f.SSTab1.setTab(1);
    f.SSTab1.setVisible(false);
    EXPECT_EQ(f.pages(), ".-..-.");

    // Tabs and captions out of range are errors; fewer tabs keep the shown
    // one within them.
    EXPECT_EQ(grisk_test::errorOf([&] { f.SSTab1.setTab(3); }), 380);
    EXPECT_EQ(grisk_test::errorOf([&] { (void)f.SSTab1.TabCaption(-1); }), 381);
    f.SSTab1.setTab(2);
    f.SSTab1.setTabs(2);
    EXPECT_EQ(f.SSTab1.Tab(), 1);
    EXPECT_EQ(f.SSTab1.TabCaption(1), "Page 1");
}

TEST_F(TabStripGridTest, AGridKeepsItsCellsAsItGrowsShrinksAndLosesRows) {
    PagesForm f;
    vb::Control& g = f.Grid1;
    // The format string names the columns, their headings and alignments.
    g.setFormatString("    |<Name    |^Won  |>Margin");
    EXPECT_EQ(g.Cols(), 4);
    EXPECT_EQ(f.cells(), ",Name,Won,Margin/,,,");
    EXPECT_EQ(g.ColAlignment(1), 0);
    EXPECT_EQ(g.ColAlignment(2), 2);
    EXPECT_EQ(g.ColAlignment(3), 1);

    g.setTextMatrix(1, 1, "Ann");
    g.AddItem("2\tBob\t3\t-4\textra");
    g.AddItem("3\tCy");
    g.setCellBackColor(2, 1, 0xC0FFFF);
    EXPECT_EQ(f.cells(), ",Name,Won,Margin/,Ann,,/2,Bob,3,-4/3,Cy,,");

    // Removing a row moves the later ones up, with their colours.
    g.setRow(3);
    g.RemoveItem(1);
    EXPECT_EQ(f.cells(), ",Name,Won,Margin/2,Bob,3,-4/3,Cy,,");
    EXPECT_EQ(g.CellBackColor(1, 1), 0xC0FFFF);
    EXPECT_EQ(g.CellBackColor(2, 1), -1);
    EXPECT_EQ(g.Row(), 2) << "the current row stays within the grid";

    // Fewer columns cut cells off; more rows come empty; Clear empties the
    // texts and leaves the shape.
    g.setCols(2);
    g.setRows(4);
    EXPECT_EQ(f.cells(), ",Name/2,Bob/3,Cy/,");
    g.Clear();
    EXPECT_EQ(f.cells(), ",/,/,/,");
    EXPECT_EQ(g.CellBackColor(1, 1), 0xC0FFFF);

    // Cells outside are errors, never a stray write.
    const struct {
        int row, col;
    } outside[] = {{4, 0}, {0, 2}, {-1, 0}, {0, -1}};
    for (const auto& o : outside) {
        EXPECT_EQ(grisk_test::errorOf([&] { g.setTextMatrix(o.row, o.col, "x"); }), 381) << o.row << "," << o.col;
        EXPECT_EQ(grisk_test::errorOf([&] { (void)g.TextMatrix(o.row, o.col); }), 381) << o.row << "," << o.col;
    }
    EXPECT_EQ(grisk_test::errorOf([&] { g.RemoveItem(4); }), 381);

    // The player's click makes a cell current and raises Click.
    vb::UserClicksCell(g, 2, 1);
    vb::UserClicksCell(g, 9, 1);
    EXPECT_EQ(f.events, QStringList{"Click Grid1 2,1"});
}

// The widgets on the screen.
class TabStripGridScreenTest : public grisk_test::ScreenWindowsTest {};

TEST_F(TabStripGridScreenTest, TheWidgetsShowThePagesAndCellsAndReportThePlayer) {
    PagesForm f;
    f.Grid1.setFormatString("^Pos|<Name");
    f.Grid1.AddItem("1\tAnn");
    f.Grid1.setCellBackColor(1, 1, 0xC0FFFF);
    f.Show();
    ASSERT_NE(f.window(), nullptr);
    auto* bar = f.window()->findChild<QTabBar*>();
    auto* table = f.window()->findChild<QTableWidget*>();
    ASSERT_TRUE(bar && table);
    EXPECT_EQ(bar->count(), 3);
    EXPECT_EQ(bar->tabText(2), "Page 2");
    EXPECT_EQ(bar->tabToolTip(1), "Tip 1");
    // The tabs take only their row: the page under them is the window's.
    EXPECT_LT(bar->height(), table->y());

    // The cells: texts, the fixed row and the tinted cell.
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(2, 1)->text(), "Ann");
    EXPECT_EQ(table->item(1, 1)->background().color(), vb::toQColor(0xC0FFFF));
    EXPECT_NE(table->item(0, 1)->background().color(), table->item(2, 1)->background().color());
    EXPECT_FALSE(table->isHidden());

    // The player's tab: the grid hides, the buttons in the frame show.
    const QList<QRadioButton*> radios = f.window()->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 2);
    EXPECT_TRUE(radios[0]->isHidden());
    bar->setCurrentIndex(1);
    EXPECT_EQ(f.events, QStringList{"Click SSTab1 1"});
    EXPECT_TRUE(table->isHidden());
    EXPECT_FALSE(radios[0]->isHidden());

    // The program's tab shows without an event; a click on a cell reports.
    f.events.clear();
    f.SSTab1.setTab(0);
    EXPECT_EQ(bar->currentIndex(), 0);
    EXPECT_FALSE(table->isHidden());
    EXPECT_TRUE(radios[1]->isHidden());
    emit table->cellClicked(2, 1);
    EXPECT_EQ(f.events, QStringList{"Click Grid1 2,1"});
    // The current cell shows selected; a heading as the current cell shows
    // no selection.
    EXPECT_EQ(table->currentRow(), 2);
    EXPECT_FALSE(table->selectedItems().isEmpty());
    f.Grid1.setRow(0);
    EXPECT_TRUE(table->selectedItems().isEmpty());

    // A row the program adds and a text it changes show.
    f.Grid1.AddItem("2\tBob");
    f.Grid1.setTextMatrix(2, 1, "Anne");
    EXPECT_EQ(table->rowCount(), 4);
    EXPECT_EQ(table->item(3, 1)->text(), "Bob");
    EXPECT_EQ(table->item(2, 1)->text(), "Anne");
    f.Unload();
}

}  // namespace
