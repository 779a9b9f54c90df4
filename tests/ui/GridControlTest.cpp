#include "ControlFixture.h"

#include "ui/controls/Grids.h"

#include "platform/window/Placement.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/WindowStyles.h"
#include "platform/window/WindowTree.h"

namespace {

// A colour as the pixels hold it, 0x00RRGGBB.
std::uint32_t Rgb(TColor color) {
    std::uint32_t v = ColorToRGB(color);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

class GridControl : public ControlFixture {
protected:
    // The event list's grid: three columns, a header row, no fixed column, a vertical bar.
    TStringGrid* EventGrid(int dataRows) {
        auto* grid = Add<TStringGrid>(10, 10, 360, 200);
        grid->SetColCount(3);
        grid->SetFixedCols(0);
        grid->SetFixedRows(1);
        grid->SetScrollBars(TScrollStyle::ssVertical);
        for (auto [col, width] : {std::pair{0, 35}, std::pair{1, 82}, std::pair{2, 445}}) grid->SetColWidths(col, width);
        grid->SetCells(0, 0, "№");
        grid->SetCells(1, 0, "Время");
        grid->SetCells(2, 0, "Описание события");
        grid->SetRowCount(dataRows + 1);
        for (int r = 1; r <= dataRows; ++r) {
            grid->SetCells(0, r, std::to_string(r));
            grid->SetCells(2, r, "event " + std::to_string(r));
        }
        return grid;
    }
    static bool HasBar(TWinControl* c, platform::DWORD bit) {
        return (platform::GetWindowLongPtr(c->Handle(), platform::GWL_STYLE) & bit) != 0;
    }
    static platform::Pixel PixelIn(TWinControl* c, int x, int y) {
        platform::POINT p{x, y};
        platform::ClientToScreen(c->Handle(), &p);
        platform::RECT w;
        platform::GetWindowRect(c->Handle(), &w);
        return platform::testing::WindowPixel(c->Handle(), p.x - w.left, p.y - w.top) & 0xFFFFFF;
    }
};

TEST_F(GridControl, TheHeaderStaysWhileKeysMoveTheRowAndScrollTheRest) {
    TStringGrid* grid = EventGrid(30);
    ShowForm();
    EXPECT_TRUE(HasBar(grid, platform::WS_VSCROLL));
    EXPECT_FALSE(HasBar(grid, platform::WS_HSCROLL)) << "only the vertical bar is asked for";
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 1) << "the current cell does not move when the fixed column goes";
    Focus(grid);
    int page = grid->VisibleRowCount();
    ASSERT_GT(page, 2);
    struct Step {
        platform::UINT modifier, key;
        int row, col;
    } steps[] = {
        {0, platform::VK_DOWN, 2, 1},
        {0, platform::VK_LEFT, 2, 0},
        {0, platform::VK_NEXT, 2 + page, 0},
        {0, platform::VK_END, 2 + page, 2},
        {platform::VK_CONTROL, platform::VK_END, 30, 2},
        {0, platform::VK_DOWN, 30, 2},
        {platform::VK_CONTROL, platform::VK_HOME, 1, 0},
        {0, platform::VK_UP, 1, 0},  // the header row is never current
    };
    for (const Step& s : steps) {
        if (s.modifier)
            KeyWith(s.modifier, s.key);
        else
            Key(s.key);
        EXPECT_EQ(grid->Row(), s.row) << s.key;
        EXPECT_EQ(grid->Col(), s.col) << s.key;
        TRect current = grid->CellRect(grid->Col(), grid->Row());
        EXPECT_GT(current.Bottom, 0) << "the current row is in view";
        EXPECT_LE(current.Bottom, grid->ClientHeight());
        EXPECT_EQ(grid->CellRect(0, 0).Top, 0) << "the header keeps its place";
    }
    KeyWith(platform::VK_CONTROL, platform::VK_END);
    EXPECT_EQ(grid->TopRow(), 30 - page + 1);
    EXPECT_EQ(platform::GetScrollPos(grid->Handle(), platform::SB_VERT), grid->TopRow());
    EXPECT_EQ(grid->CellRect(0, grid->TopRow() - 1), TRect{}) << "rows scrolled away have no rectangle";
}

TEST_F(GridControl, TheBarsArrowScrollsAndClicksPickCellsButNotFixedOnes) {
    TStringGrid* grid = EventGrid(30);
    std::vector<std::pair<int, int>> asked;
    grid->OnSelectCell = [&](TObject*, int col, int row, bool& can) {
        asked.emplace_back(col, row);
        can = row != 4;
    };
    ShowForm();
    platform::RECT bar = platform::ScrollBarRect(grid->Handle(), platform::SB_VERT);
    platform::RECT window;
    platform::GetWindowRect(grid->Handle(), &window);
    platform::testing::Click(window.left + (bar.left + bar.right) / 2, window.top + bar.bottom - 4);
    Pump();
    EXPECT_EQ(grid->TopRow(), 2);
    TRect row3 = grid->CellRect(2, 3);
    ClickAt(grid, row3.Left + 5, row3.Top + 5);
    row3 = grid->CellRect(2, 3);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->LeftCol(), 2) << "the wide column came into view";
    TRect row4 = grid->CellRect(2, 4);
    ClickAt(grid, row4.Left + 5, row4.Top + 5);
    EXPECT_EQ(grid->Row(), 3) << "OnSelectCell said no";
    ClickAt(grid, 5, 5);  // the header
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 3}, {2, 4}}));
    int col, row;
    EXPECT_TRUE(grid->MouseToCell(row3.Left + 1, row3.Top + 1, col, row));
    EXPECT_EQ(std::pair(col, row), std::pair(2, 3));
}

TEST_F(GridControl, OnDrawCellGetsTheCellsBrushAndState) {
    auto* grid = Add<TStringGrid>(10, 10, 300, 150);
    grid->SetColCount(3);
    grid->SetRowCount(4);
    grid->SetFixedCols(0);
    grid->SetCells(0, 0, "header");
    grid->SetCol(0);
    std::vector<std::string> seen;
    grid->OnDrawCell = [&](TObject*, int col, int row, TRect rect, TGridDrawState state) {
        TCanvas& c = *grid->Canvas();
        EXPECT_EQ(rect, grid->CellRect(col, row));
        if (col == 0) {
            std::string s = std::to_string(row);
            if (state.Contains(TGridDrawStateItem::gdFixed)) s += "f";
            if (state.Contains(TGridDrawStateItem::gdSelected)) s += "s";
            if (state.Contains(TGridDrawStateItem::gdFocused)) s += "F";
            seen.push_back(s);
        }
        // As the event list does: the cell in the brush the grid chose, then a mark of its own in row 2.
        c.FillRect(rect);
        if (row == 2 && col == 1) {
            c.Brush()->SetColor(clRed);
            c.FillRect(rect);
        }
    };
    ShowForm();
    Focus(grid);
    seen.clear();
    grid->Repaint();
    EXPECT_EQ(seen, (std::vector<std::string>{"0f", "1sF", "2", "3"}));
    TRect header = grid->CellRect(1, 0), plain = grid->CellRect(2, 3), marked = grid->CellRect(1, 2);
    EXPECT_EQ(PixelIn(grid, header.Left + 10, header.Top + 3), Rgb(clBtnFace));
    EXPECT_EQ(PixelIn(grid, plain.Left + 10, plain.Top + 3), Rgb(clWindow));
    EXPECT_EQ(PixelIn(grid, marked.Left + 10, marked.Top + 3), Rgb(clRed));
}

TEST_F(GridControl, CountsShrinkAndGrowKeepingWhatFits) {
    auto* grid = Add<TStringGrid>(10, 10, 300, 150);
    grid->SetCells(3, 3, "kept");
    grid->SetCells(4, 4, "lost");
    grid->SetCells(9, 9, "outside");
    grid->SetColWidths(3, 100);
    grid->SetRowCount(4);
    grid->SetColCount(4);
    grid->SetRowCount(6);
    grid->SetColCount(6);
    EXPECT_EQ(grid->Cells(3, 3), "kept");
    EXPECT_EQ(grid->Cells(4, 4), "");
    EXPECT_EQ(grid->Cells(9, 9), "");
    EXPECT_EQ(grid->ColWidths(3), 100);
    EXPECT_EQ(grid->ColWidths(5), grid->DefaultColWidth());
    grid->SetRow(5);
    grid->SetRowCount(3);
    EXPECT_EQ(grid->Row(), 2) << "the current row stays inside";
}

}  // namespace
