#pragma once
// A group box with one radio button per item, arranged in columns, whose
// buttons can be enabled one by one. The group keeps the selection itself
// (ItemIndex) and lets a descendant forbid changes by the user (CanModify).

#include <QGroupBox>
#include <QRadioButton>
#include <QRect>
#include <QStringList>
#include <vector>

class TEnableCustomRadioGroup;

class TEnableGroupButton : public QRadioButton {
    Q_OBJECT
    friend class TEnableCustomRadioGroup;

public:
    explicit TEnableGroupButton(TEnableCustomRadioGroup* group);
    ~TEnableGroupButton() override;

protected:
    // A radio button is never unchecked by a click; the group unchecks it.
    void nextCheckState() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool groupAllowsChange() const;

    TEnableCustomRadioGroup* group_;
};

namespace veltrane {
// Where the buttons of a group go: columns filled top to bottom, the spare
// height split above and below. fontHeight is the cell height of the font.
std::vector<QRect> radioButtonRects(int count, int columns, int width, int height, int fontHeight);
}  // namespace veltrane

class TEnableCustomRadioGroup : public QGroupBox {
    Q_OBJECT
    friend class TEnableGroupButton;

public:
    explicit TEnableCustomRadioGroup(QWidget* parent = nullptr);
    ~TEnableCustomRadioGroup() override;

    bool GetEnable(int index) const;
    void SetEnable(int index, bool value);

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);

    const QStringList& Items() const { return items_; }
    void SetItems(const QStringList& items);
    void AddItem(const QString& item);
    void DeleteItem(int index);

    int ButtonCount() const { return int(buttons_.size()); }
    TEnableGroupButton* Button(int index) const { return buttons_.at(std::size_t(index)); }

    // A descendant may forbid changes by clicking or typing.
    virtual bool CanModify() const { return true; }

signals:
    void OnClick();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ItemsChange();
    void UpdateButtons();
    void SetButtonCount(int n);
    void ArrangeButtons();
    void ButtonClick();
    void removeButton(TEnableGroupButton* button);

    std::vector<TEnableGroupButton*> buttons_;  // owned by the group as their Qt parent
    QStringList items_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

class TEnableRadioGroup : public TEnableCustomRadioGroup {
    Q_OBJECT
public:
    using TEnableCustomRadioGroup::TEnableCustomRadioGroup;
};
