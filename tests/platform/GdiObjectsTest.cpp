#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/Regions.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {
HGDIOBJ const kNeverIssued = reinterpret_cast<HGDIOBJ>(0x7FFF0004);
}

TEST(GdiObjects, BadHandlesFailWithoutCrashing) {
    for (HGDIOBJ handle : {static_cast<HGDIOBJ>(nullptr), kNeverIssued, static_cast<HGDIOBJ>(INVALID_HANDLE_VALUE)}) {
        SetLastError(0);
        EXPECT_FALSE(DeleteObject(handle));
        EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
        EXPECT_EQ(GetObjectType(handle), 0u);
        EXPECT_EQ(GetObject(handle, 0, nullptr), 0);
        EXPECT_EQ(SelectObject(static_cast<HDC>(handle), GetStockObject(BLACK_PEN)), nullptr);
        EXPECT_FALSE(DeleteDC(static_cast<HDC>(handle)));
    }
}

TEST(GdiObjects, DeletedHandleNoLongerResolves) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST(GdiObjects, KernelAndDrawingHandlesStayApart) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_FALSE(CloseHandle(brush));
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
    DeleteObject(brush);
}

TEST(GdiObjects, StockObjectsHaveTheirKindsAndSurviveDeletion) {
    struct Case {
        int index;
        DWORD type;
    } cases[] = {{WHITE_BRUSH, OBJ_BRUSH}, {BLACK_BRUSH, OBJ_BRUSH}, {NULL_BRUSH, OBJ_BRUSH},
                 {DC_BRUSH, OBJ_BRUSH},    {BLACK_PEN, OBJ_PEN},     {WHITE_PEN, OBJ_PEN},
                 {NULL_PEN, OBJ_PEN},      {DC_PEN, OBJ_PEN}};
    for (const Case& c : cases) {
        HGDIOBJ stock = GetStockObject(c.index);
        ASSERT_NE(stock, nullptr) << c.index;
        EXPECT_EQ(GetStockObject(c.index), stock);
        EXPECT_EQ(GetObjectType(stock), c.type) << c.index;
        EXPECT_TRUE(DeleteObject(stock));
        EXPECT_EQ(GetObjectType(stock), c.type) << "deleting a stock object must not free it";
    }
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(GetStockObject(STOCK_LAST + 1), nullptr);
}

TEST(GdiObjects, GetObjectDescribesPensBrushesAndBitmaps) {
    HPEN pen = CreatePen(PS_DOT, 1, RGB(10, 20, 30));
    LOGPEN lp{};
    EXPECT_EQ(GetObject(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DOT));
    EXPECT_EQ(lp.lopnColor, RGB(10, 20, 30));

    HBRUSH brush = CreateHatchBrush(HS_CROSS, RGB(1, 2, 3));
    LOGBRUSH lb{};
    EXPECT_EQ(GetObject(brush, sizeof lb, &lb), static_cast<int>(sizeof lb));
    EXPECT_EQ(lb.lbStyle, BS_HATCHED);
    EXPECT_EQ(lb.lbHatch, static_cast<std::uintptr_t>(HS_CROSS));

    HBITMAP bitmap = CreateBitmap(13, 7, 1, 1, nullptr);
    BITMAP bm{};
    EXPECT_EQ(GetObject(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 13);
    EXPECT_EQ(bm.bmHeight, 7);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bm.bmBits, nullptr);
    EXPECT_EQ(GetObject(bitmap, 0, nullptr), static_cast<int>(sizeof bm));

    for (HGDIOBJ o : {static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(bitmap)})
        EXPECT_TRUE(DeleteObject(o));
}

TEST(GdiObjects, BadCreationArgumentsFail) {
    LOGBRUSH solid{BS_SOLID, RGB(0, 0, 0), 0};
    DWORD dashes[] = {3, 1};
    EXPECT_EQ(CreatePen(99, 1, 0), nullptr);
    EXPECT_EQ(CreateHatchBrush(6, 0), nullptr);
    EXPECT_EQ(CreateHatchBrush(-1, 0), nullptr);
    EXPECT_EQ(CreatePatternBrush(reinterpret_cast<HBITMAP>(kNeverIssued)), nullptr);
    EXPECT_EQ(CreateBrushIndirect(nullptr), nullptr);
    EXPECT_EQ(ExtCreatePen(PS_COSMETIC | PS_SOLID, 3, &solid, 0, nullptr), nullptr);  // cosmetic is 1 wide
    EXPECT_EQ(ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 3, nullptr, 0, nullptr), nullptr);
    EXPECT_EQ(ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 3, &solid, 0, dashes), nullptr);
    EXPECT_EQ(ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 3, &solid, 2, dashes), nullptr);
    HPEN user = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 3, &solid, 2, dashes);
    EXPECT_EQ(GetObjectType(user), OBJ_EXTPEN);
    DeleteObject(user);
}
