#include "controls/EnableRadioGroup.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace veltrane {

std::vector<QRect> radioButtonRects(int count, int columns, int width, int height, int fontHeight)
{
    std::vector<QRect> rects;
    if (count <= 0 || columns <= 0)
        return rects;
    const int perColumn = (count + columns - 1) / columns;
    const int buttonWidth = (width - 10) / columns;
    const int freeHeight = height - fontHeight - 5;
    const int buttonHeight = freeHeight / perColumn;
    const int topMargin = fontHeight + 1 + (freeHeight % perColumn) / 2;
    rects.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        rects.emplace_back((i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                           buttonHeight);
    return rects;
}

}  // namespace veltrane

// --- buttons ---

TEnableGroupButton::TEnableGroupButton(TEnableCustomRadioGroup* group) : QRadioButton(group), group_(group)
{
    // The group keeps the selection; Qt's own exclusivity could not show "none".
    setAutoExclusive(false);
}

TEnableGroupButton::~TEnableGroupButton()
{
    if (group_)
        group_->removeButton(this);
}

void TEnableGroupButton::nextCheckState()
{
    if (!isChecked())
        setChecked(true);
}

bool TEnableGroupButton::groupAllowsChange() const { return !group_ || group_->CanModify(); }

void TEnableGroupButton::mousePressEvent(QMouseEvent* event)
{
    if (groupAllowsChange())
        QRadioButton::mousePressEvent(event);
    else
        event->accept();
}

void TEnableGroupButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (groupAllowsChange())
        QRadioButton::mouseReleaseEvent(event);
    else
        event->accept();
}

void TEnableGroupButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (groupAllowsChange())
        QRadioButton::mouseDoubleClickEvent(event);
    else
        event->accept();
}

void TEnableGroupButton::keyPressEvent(QKeyEvent* event)
{
    if (!groupAllowsChange()) {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Backspace:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
            event->accept();
            return;
        default:
            break;
        }
    }
    QRadioButton::keyPressEvent(event);
}

// --- group ---

TEnableCustomRadioGroup::TEnableCustomRadioGroup(QWidget* parent) : QGroupBox(parent) {}

TEnableCustomRadioGroup::~TEnableCustomRadioGroup()
{
    // The buttons die with their Qt parent; they must not report back then.
    for (TEnableGroupButton* b : buttons_)
        b->group_ = nullptr;
    buttons_.clear();
}

bool TEnableCustomRadioGroup::GetEnable(int index) const
{
    if (index < 0 || index >= ButtonCount())
        return false;
    return buttons_[std::size_t(index)]->isEnabled();
}

void TEnableCustomRadioGroup::SetEnable(int index, bool value)
{
    if (index < 0 || index >= ButtonCount() || index == itemIndex_)
        return;
    buttons_[std::size_t(index)]->setEnabled(value);
}

void TEnableCustomRadioGroup::SetItemIndex(int index)
{
    index = std::clamp(index, -1, ButtonCount() - 1);
    if (index == itemIndex_)
        return;
    if (itemIndex_ >= 0 && itemIndex_ < ButtonCount())
        buttons_[std::size_t(itemIndex_)]->setChecked(false);
    itemIndex_ = index;
    if (itemIndex_ >= 0) {
        updating_ = true;
        buttons_[std::size_t(itemIndex_)]->setChecked(true);
        updating_ = false;
    }
}

void TEnableCustomRadioGroup::SetColumns(int columns)
{
    columns = std::clamp(columns, 1, 16);
    if (columns == columns_)
        return;
    columns_ = columns;
    ArrangeButtons();
}

void TEnableCustomRadioGroup::SetItems(const QStringList& items)
{
    items_ = items;
    ItemsChange();
}

void TEnableCustomRadioGroup::AddItem(const QString& item)
{
    items_.append(item);
    ItemsChange();
}

void TEnableCustomRadioGroup::DeleteItem(int index)
{
    if (index < 0 || index >= items_.size())
        return;
    items_.removeAt(index);
    ItemsChange();
}

void TEnableCustomRadioGroup::ItemsChange()
{
    if (itemIndex_ >= items_.size())
        itemIndex_ = int(items_.size()) - 1;
    UpdateButtons();
}

void TEnableCustomRadioGroup::UpdateButtons()
{
    SetButtonCount(int(items_.size()));
    for (int i = 0; i < ButtonCount(); ++i) {
        buttons_[std::size_t(i)]->setText(items_[i]);
        buttons_[std::size_t(i)]->setChecked(i == itemIndex_);
    }
    ArrangeButtons();
}

void TEnableCustomRadioGroup::SetButtonCount(int n)
{
    while (ButtonCount() < n) {
        auto* b = new TEnableGroupButton(this);
        b->setVisible(false);
        b->setEnabled(isEnabled());
        connect(b, &QAbstractButton::clicked, this, &TEnableCustomRadioGroup::ButtonClick);
        buttons_.push_back(b);
    }
    while (ButtonCount() > n)
        delete buttons_.back();  // its destructor removes it from the list
}

void TEnableCustomRadioGroup::removeButton(TEnableGroupButton* button)
{
    buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), button), buttons_.end());
}

void TEnableCustomRadioGroup::ArrangeButtons()
{
    if (buttons_.empty())
        return;
    const int fontHeight = QFontMetrics(font()).height();
    const auto rects = veltrane::radioButtonRects(ButtonCount(), columns_, width(), height(), fontHeight);
    for (int i = 0; i < ButtonCount(); ++i) {
        buttons_[std::size_t(i)]->setGeometry(rects[std::size_t(i)]);
        buttons_[std::size_t(i)]->setVisible(true);
    }
}

void TEnableCustomRadioGroup::ButtonClick()
{
    if (updating_)
        return;
    auto it = std::find(buttons_.begin(), buttons_.end(), sender());
    if (it == buttons_.end())
        return;
    SetItemIndex(int(it - buttons_.begin()));
    emit OnClick();
}

void TEnableCustomRadioGroup::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        for (TEnableGroupButton* b : buttons_)
            b->setEnabled(isEnabled());
    } else if (event->type() == QEvent::FontChange) {
        ArrangeButtons();
    }
}

void TEnableCustomRadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    ArrangeButtons();
}
