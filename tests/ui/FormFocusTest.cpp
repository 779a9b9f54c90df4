#include "ControlFixture.h"

#include "ui/controls/CheckBox.h"
#include "ui/controls/CustomEdit.h"
#include "ui/controls/Panels.h"

namespace {

using FormFocus = ControlFixture;

TEST_F(FormFocus, AShownFormFocusesItsFirstTabStopUnlessAControlWasChosen) {
    struct Case {
        bool choose;     // ActiveControl set in OnShow
        bool disable;    // the first tab stop disabled
        int focused;     // 0 nested edit, 1 check box, 2 last edit
    } cases[] = {{false, false, 0}, {false, true, 1}, {true, false, 2}};
    for (const Case& c : cases) {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        auto* panel = Add<TPanel>(10, 10, 200, 60);  // a container takes no focus itself
        auto* nested = new TEdit(form.get());
        nested->SetParent(panel);
        auto* box = Add<TCheckBox>(10, 80);
        auto* last = Add<TEdit>(10, 120, 100, 0);
        nested->SetEnabled(!c.disable);
        if (c.choose) form->OnShow = [&](TObject*) { form->SetActiveControl(last); };
        ShowForm();
        TWinControl* expected[] = {nested, box, last};
        EXPECT_TRUE(expected[c.focused]->Focused()) << c.focused;
        EXPECT_EQ(form->ActiveControl(), expected[c.focused]);
    }
}

}  // namespace
