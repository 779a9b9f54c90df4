#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/Mapping.h"
#include "tests/support/PixelCanvas.h"

#include <climits>
#include <gtest/gtest.h>

using namespace platform;

TEST(Mapping, LogicalToDeviceUnderEachMode) {
    struct Case {
        const char* name;
        int mode;
        POINT windowOrg;
        SIZE windowExt;
        POINT viewportOrg;
        SIZE viewportExt;
        POINT logical;
        POINT device;
    } cases[] = {
        {"text with origins", MM_TEXT, {10, 20}, {1, 1}, {3, 4}, {1, 1}, {15, 25}, {8, 9}},
        {"anisotropic halves x", MM_ANISOTROPIC, {0, 0}, {200, 100}, {0, 0}, {100, 100}, {50, 50}, {25, 50}},
        {"anisotropic printer scale", MM_ANISOTROPIC, {0, 0}, {96, 96}, {0, 0}, {600, 600}, {10, 1}, {63, 6}},
        {"anisotropic flips y", MM_ANISOTROPIC, {0, 0}, {1, 1}, {0, 100}, {1, -1}, {5, 30}, {5, 70}},
        {"rounds halves away from zero", MM_ANISOTROPIC, {0, 0}, {2, 2}, {0, 0}, {1, 1}, {-3, 3}, {-2, 2}},
        {"isotropic keeps aspect", MM_ISOTROPIC, {0, 0}, {100, 100}, {0, 0}, {200, 50}, {100, 100}, {50, 50}},
        {"lometric at 96 dpi", MM_LOMETRIC, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {254, -254}, {96, 96}},
    };
    for (const Case& c : cases) {
        PixelCanvas canvas(4, 4);
        HDC dc = canvas.Dc();
        SetMapMode(dc, c.mode);
        if (c.mode == MM_ISOTROPIC || c.mode == MM_ANISOTROPIC) {
            SetWindowExtEx(dc, c.windowExt.cx, c.windowExt.cy, nullptr);
            SetViewportExtEx(dc, c.viewportExt.cx, c.viewportExt.cy, nullptr);
        }
        SetWindowOrgEx(dc, c.windowOrg.x, c.windowOrg.y, nullptr);
        SetViewportOrgEx(dc, c.viewportOrg.x, c.viewportOrg.y, nullptr);
        POINT p = c.logical;
        ASSERT_TRUE(LPtoDP(dc, &p, 1)) << c.name;
        EXPECT_EQ(p, c.device) << c.name;
        ASSERT_TRUE(DPtoLP(dc, &p, 1));
        EXPECT_NEAR(p.x, c.logical.x, 2) << c.name;
    }
}

TEST(Mapping, ExtentsIgnoredOutsideScalingModesAndNeverZero) {
    PixelCanvas canvas(4, 4);
    HDC dc = canvas.Dc();
    SIZE previous{};
    EXPECT_TRUE(SetWindowExtEx(dc, 500, 500, &previous));
    SIZE now{};
    GetWindowExtEx(dc, &now);
    EXPECT_EQ(now, (SIZE{1, 1})) << "text mode keeps its unit scale";
    SetMapMode(dc, MM_ANISOTROPIC);
    EXPECT_FALSE(SetWindowExtEx(dc, 0, 5, nullptr));
    EXPECT_FALSE(SetViewportExtEx(dc, 5, 0, nullptr));
    EXPECT_EQ(SetMapMode(dc, 0), 0);
    EXPECT_EQ(SetMapMode(dc, 9), 0);
    EXPECT_EQ(GetMapMode(dc), MM_ANISOTROPIC);
    EXPECT_FALSE(LPtoDP(dc, nullptr, 1));
}

TEST(Mapping, MulDivRoundsAndReportsFailure) {
    struct Case {
        int a, b, c, result;
    } cases[] = {{10, 3, 4, 8}, {-10, 3, 4, -8}, {5, 1, 2, 3}, {-5, 1, 2, -3}, {7, 0, 3, 0},
                 {1, 1, 0, -1}, {INT_MAX, 2, 1, -1}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}};
    for (const Case& c : cases) EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
}
