#pragma once
// The numeric edit with its caption label above it. The label is a sibling
// in the same parent; it follows the edit's position, visibility and enabled
// state unless a layout places it.

#include <QLabel>
#include <QPointer>

#include "controls/RIEdit.h"

class TLabeledRIEdit : public TRIEdit {
    Q_OBJECT
public:
    explicit TLabeledRIEdit(QWidget* parent = nullptr);
    ~TLabeledRIEdit() override;

    QLabel* EditLabel() const { return label_; }
    void setVisible(bool visible) override;

    // Pixels between the label and the edit.
    static constexpr int LabelSpacing = 3;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void placeLabel();

    QPointer<QLabel> label_;
};
