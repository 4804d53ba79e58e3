// The radio group with per-button enabling.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include "controls/EnableRadioGroup.h"

namespace {

class LockedGroup : public TEnableRadioGroup {
public:
    bool locked = true;
    bool CanModify() const override { return !locked; }
};

// A point on the button's own indicator, where a click always hits.
QPoint indicator(QWidget* button) { return QPoint(6, button->height() / 2); }

QStringList items(int n)
{
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << QString("item %1").arg(i);
    return l;
}

TEST(RadioGroupLayout, SevenItemsInThreeColumns)
{
    // 200 x 122 with a 13 px font: 3 buttons per column, width (200-10)/3 = 63,
    // free height 122-13-5 = 104, button height 104/3 = 34, top 13+1+(104%3)/2 = 15.
    const auto r = veltrane::radioButtonRects(7, 3, 200, 122, 13);
    ASSERT_EQ(r.size(), 7u);
    EXPECT_EQ(r[0], QRect(8, 15, 63, 34));
    EXPECT_EQ(r[1].topLeft(), QPoint(8, 49));
    EXPECT_EQ(r[2].topLeft(), QPoint(8, 83));
    EXPECT_EQ(r[3].topLeft(), QPoint(71, 15));
    EXPECT_EQ(r[5].topLeft(), QPoint(71, 83));
    EXPECT_EQ(r[6].topLeft(), QPoint(134, 15));
    EXPECT_TRUE(veltrane::radioButtonRects(0, 3, 200, 122, 13).empty());
    // One column takes every row.
    const auto one = veltrane::radioButtonRects(4, 1, 100, 100, 10);
    EXPECT_EQ(one[3], QRect(8, 11 + 3 * 21, 90, 21));
}

TEST(RadioGroup, ButtonsArePlacedByTheGroupFont)
{
    TEnableRadioGroup g;
    g.resize(200, 122);
    g.SetColumns(3);
    g.SetItems(items(7));
    g.show();
    const auto r = veltrane::radioButtonRects(7, 3, 200, 122, QFontMetrics(g.font()).height());
    ASSERT_EQ(g.ButtonCount(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(g.Button(i)->geometry(), r[std::size_t(i)]) << i;
    EXPECT_EQ(g.Button(6)->x(), 134);
    EXPECT_EQ(g.Button(4)->text(), "item 4");
    g.resize(300, 122);
    EXPECT_EQ(g.Button(6)->x(), 2 * ((300 - 10) / 3) + 8);
}

TEST(RadioGroup, ColumnsAndItemIndexAreClamped)
{
    TEnableRadioGroup g;
    EXPECT_EQ(g.Columns(), 1);
    EXPECT_EQ(g.ItemIndex(), -1);
    for (auto [set, got] : {std::pair{0, 1}, {20, 16}, {-3, 1}, {5, 5}}) {
        g.SetColumns(set);
        EXPECT_EQ(g.Columns(), got) << set;
    }
    g.SetItems(items(3));
    for (auto [set, got] : {std::pair{1, 1}, {7, 2}, {-5, -1}, {3, 2}}) {
        g.SetItemIndex(set);
        EXPECT_EQ(g.ItemIndex(), got) << set;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(g.Button(i)->isChecked(), i == got) << set;
    }
}

TEST(RadioGroup, ItemIndexFollowsDeletedItems)
{
    TEnableRadioGroup g;
    g.SetItems(items(4));
    g.SetItemIndex(3);
    g.DeleteItem(3);
    EXPECT_EQ(g.ButtonCount(), 3);
    EXPECT_EQ(g.ItemIndex(), 2);
    EXPECT_TRUE(g.Button(2)->isChecked());
    g.SetItems({});
    EXPECT_EQ(g.ButtonCount(), 0);
    EXPECT_EQ(g.ItemIndex(), -1);
}

TEST(RadioGroup, SingleButtonsAreEnabledButNeverTheCheckedOne)
{
    TEnableRadioGroup g;
    g.SetItems(items(3));
    g.SetItemIndex(1);
    g.SetEnable(1, false);
    EXPECT_TRUE(g.GetEnable(1));
    g.SetEnable(2, false);
    EXPECT_FALSE(g.GetEnable(2));
    EXPECT_TRUE(g.GetEnable(0));
    g.SetEnable(-1, false);
    g.SetEnable(3, false);
    EXPECT_FALSE(g.GetEnable(-1));
    EXPECT_FALSE(g.GetEnable(3));
    EXPECT_TRUE(g.GetEnable(0));

    g.setEnabled(false);
    EXPECT_FALSE(g.GetEnable(0));
    g.setEnabled(true);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(g.GetEnable(i)) << i;
    // New buttons take the group's state.
    g.setEnabled(false);
    g.AddItem("late");
    EXPECT_FALSE(g.GetEnable(3));
}

TEST(RadioGroup, ClicksSelectOnlyWhenTheGroupAllows)
{
    LockedGroup g;
    g.resize(200, 122);
    g.SetItems(items(3));
    g.show();
    QSignalSpy clicks(&g, &TEnableCustomRadioGroup::OnClick);

    QTest::mouseClick(g.Button(2), Qt::LeftButton, {}, indicator(g.Button(2)));
    g.Button(2)->setFocus();
    QTest::keyClick(g.Button(2), Qt::Key_Space);
    EXPECT_EQ(g.ItemIndex(), -1);
    EXPECT_FALSE(g.Button(2)->isChecked());
    EXPECT_EQ(clicks.count(), 0);

    g.locked = false;
    QTest::mouseClick(g.Button(2), Qt::LeftButton, {}, indicator(g.Button(2)));
    EXPECT_EQ(g.ItemIndex(), 2);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(g.Button(0), Qt::LeftButton, {}, indicator(g.Button(0)));
    EXPECT_EQ(g.ItemIndex(), 0);
    EXPECT_FALSE(g.Button(2)->isChecked());
    // Clicking the checked button keeps it checked.
    QTest::mouseClick(g.Button(0), Qt::LeftButton, {}, indicator(g.Button(0)));
    EXPECT_TRUE(g.Button(0)->isChecked());
    EXPECT_EQ(g.ItemIndex(), 0);
    // Setting the index from code fires no click.
    g.SetItemIndex(1);
    EXPECT_EQ(clicks.count(), 3);
}

}  // namespace
