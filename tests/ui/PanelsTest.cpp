#include "ControlFixture.h"

#include "ui/controls/CustomEdit.h"
#include "ui/controls/Panels.h"

namespace {

using PanelControls = ControlFixture;

TEST_F(PanelControls, AlignedChildrenStayInsideBevelsAndBelowTheCaption) {
    auto* panel = Add<TPanel>(10, 10, 200, 100);
    panel->SetBevelInner(TPanelBevel::bvLowered);
    panel->SetBevelWidth(2);
    auto* inner = new TEdit(form.get());
    inner->SetParent(panel);
    inner->SetAlign(TAlign::alClient);
    EXPECT_EQ(inner->BoundsRect(), Rect(4, 4, 196, 96));

    auto* group = Add<TGroupBox>(220, 10, 150, 100);
    group->SetCaption("Маркеры");
    auto* top = new TEdit(form.get());
    top->SetParent(group);
    top->SetAlign(TAlign::alTop);
    EXPECT_GT(top->Top(), 8);  // below the caption's text
    EXPECT_EQ(top->Left(), 2);
    ShowForm();
    EXPECT_TRUE(top->IsShowing());
}

}  // namespace
