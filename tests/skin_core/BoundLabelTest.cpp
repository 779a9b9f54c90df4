#include "skin/core/boundlabel/BoundLabel.h"

#include "skin/core/controldata/SkCommonData.h"

#include "ui/controls/Panels.h"
#include "ui/forms/Form.h"

#include "platform/display/Display.h"

#include <gtest/gtest.h>

namespace {

class BoundLabel : public ::testing::Test {
protected:
    static void SetUpTestSuite() { platform::testing::UseHeadlessDisplay(); }
    BoundLabel() {
        form.SetBounds(0, 0, 400, 300);
        edit->SetParent(&form);
        edit->SetName("Edit1");
        edit->SetBounds(150, 100, 120, 24);
    }
    // The label at a fixed size, so placements are plain arithmetic.
    TSkEditLabel& FixedLabel(int width, int height) {
        TSkEditLabel& l = *bound.LabelControl();
        l.SetAutoSize(false);
        l.SetBounds(l.Left(), l.Top(), width, height);
        bound.AlignLabel();
        return l;
    }
    TForm form{nullptr};
    TPanel* edit = new TPanel(&form);
    TSkCommonData data{edit, false};
    TSkBoundLabel bound{&data};
};

TEST_F(BoundLabel, ActivatingShowsTheControlsNameOnItsParent) {
    EXPECT_TRUE(bound.UseSkinColor());
    bound.SetUseSkinColor(false);
    EXPECT_TRUE(bound.UseSkinColor()) << "nothing to set without a label";
    bound.SetActive(true);
    TSkEditLabel* label = bound.LabelControl();
    ASSERT_TRUE(label);
    EXPECT_EQ(bound.Caption(), "Edit1");
    EXPECT_EQ(label->Caption(), "Edit1");
    EXPECT_EQ(label->Name(), "Edit1Label");
    EXPECT_EQ(label->Parent(), &form);
    EXPECT_EQ(label->FocusControl, edit);
    EXPECT_TRUE(label->Visible());
    EXPECT_EQ(label->Alignment(), TAlignment::taRightJustify);
    bound.SetCaption("Высота");
    EXPECT_EQ(label->Caption(), "Высота");
    bound.SetActive(false);
    EXPECT_FALSE(bound.LabelControl());
}

TEST_F(BoundLabel, EightPlacesAroundTheControl) {
    bound.SetActive(true);
    struct Case {
        TSkCaptionLayout layout;
        int left, top;
        TAlignment alignment;
    };
    // Control (150, 100) 120 x 24, label 40 x 14, indent 2.
    bound.SetIndent(2);
    for (const Case& c : {Case{TSkCaptionLayout::sclLeft, 104, 105, TAlignment::taRightJustify},
                          Case{TSkCaptionLayout::sclTopLeft, 150, 84, TAlignment::taLeftJustify},
                          Case{TSkCaptionLayout::sclTopCenter, 190, 84, TAlignment::taCenter},
                          Case{TSkCaptionLayout::sclTopRight, 230, 84, TAlignment::taRightJustify},
                          Case{TSkCaptionLayout::sclLeftTop, 104, 103, TAlignment::taLeftJustify},
                          Case{TSkCaptionLayout::sclBottomLeft, 150, 126, TAlignment::taLeftJustify},
                          Case{TSkCaptionLayout::sclBottomCenter, 190, 126, TAlignment::taCenter},
                          Case{TSkCaptionLayout::sclBottomRight, 230, 126, TAlignment::taRightJustify}}) {
        bound.SetLayout(c.layout);
        TSkEditLabel& l = FixedLabel(40, 14);
        EXPECT_EQ(l.Left(), c.left) << static_cast<int>(c.layout);
        EXPECT_EQ(l.Top(), c.top) << static_cast<int>(c.layout);
        EXPECT_EQ(l.Alignment(), c.alignment) << static_cast<int>(c.layout);
    }
}

TEST_F(BoundLabel, LeftOfTheControlWithoutIndentEndsFourPixelsBeforeIt) {
    bound.SetActive(true);
    TSkEditLabel& l = FixedLabel(50, 14);
    EXPECT_EQ(l.Left() + l.Width(), edit->Left() - 4);
}

TEST_F(BoundLabel, WrapsFromFourPixelsBelowTheWidthLimit) {
    bound.SetActive(true);
    bound.SetMaxWidth(100);
    for (auto [width, wraps] : {std::pair{95, false}, std::pair{96, true}, std::pair{100, true}}) {
        TSkEditLabel& l = FixedLabel(width, 14);
        EXPECT_EQ(l.WordWrap(), wraps) << width;
    }
}

TEST_F(BoundLabel, ALabelFreedWithItsControlLeavesTheBoundLabelInactive) {
    bound.SetActive(true);
    delete bound.LabelControl();
    EXPECT_FALSE(bound.Active());
    bound.SetActive(true);
    EXPECT_TRUE(bound.Active());
}

}  // namespace
