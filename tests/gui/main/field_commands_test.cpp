// The E/H-field commands of the main window: both windows shown modally on
// the document, and a change of the field options marks the document.
#include <QDialog>
#include <QPushButton>
#include <QTest>

#include "MainFormFixture.h"
#include "gui/fields/EwavedlgD.h"
#include "gui/fields/EwavedlgT.h"

namespace {

TEST_F(MainWindowTest, FieldWindowsAreShownModally)
{
    simulateDemo();
    ASSERT_TRUE(enabled("AtTheta1"));
    form.DocumentFlow().Modified = false;
    bool modal = false, computed = false;
    onModal([&](QWidget* w) {
        modal = w == &form.EwavedlgT() && w->isModal();
        // The first run half a second after showing, on the demo stack.
        QTest::qWait(800);
        computed = !form.EwavedlgT().Samples().empty() && form.EwavedlgT().Samples().front().Filled;
        form.EwavedlgT().CloseBtn->click();
    });
    trigger("AtTheta1");
    EXPECT_TRUE(modal);
    EXPECT_TRUE(computed);
    EXPECT_FALSE(form.EwavedlgT().isVisible());
    // The window wrote Theta and its point counts into the field options.
    EXPECT_DOUBLE_EQ(form.Doc().EHOptionpara.Theta, 52.0);
    EXPECT_TRUE(form.DocumentFlow().Modified);

    form.DocumentFlow().Modified = false;
    onModal([&](QWidget* w) {
        modal = w == &form.EwavedlgD() && w->isModal();
        QTest::qWait(800);
        form.EwavedlgD().CloseBtn->click();
    });
    trigger("AtLayerposition1");
    EXPECT_TRUE(modal);
    EXPECT_TRUE(form.DocumentFlow().Modified);
    EXPECT_FALSE(form.Run().Active());
}

}  // namespace
