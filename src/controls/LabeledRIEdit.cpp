#include "controls/LabeledRIEdit.h"

#include <QEvent>

TLabeledRIEdit::TLabeledRIEdit(QWidget* parent) : TRIEdit(parent), label_(new QLabel(parent))
{
    label_->setBuddy(this);
    placeLabel();
}

TLabeledRIEdit::~TLabeledRIEdit() { delete label_.data(); }

void TLabeledRIEdit::setVisible(bool visible)
{
    TRIEdit::setVisible(visible);
    if (label_)
        label_->setVisible(visible);
}

void TLabeledRIEdit::moveEvent(QMoveEvent* event)
{
    TRIEdit::moveEvent(event);
    placeLabel();
}

void TLabeledRIEdit::resizeEvent(QResizeEvent* event)
{
    TRIEdit::resizeEvent(event);
    placeLabel();
}

void TLabeledRIEdit::changeEvent(QEvent* event)
{
    TRIEdit::changeEvent(event);
    if (!label_)
        return;
    if (event->type() == QEvent::EnabledChange)
        label_->setEnabled(isEnabled());
    else if (event->type() == QEvent::ParentChange && label_->parentWidget() != parentWidget()) {
        label_->setParent(parentWidget());
        label_->setVisible(isVisibleTo(parentWidget()));
        placeLabel();
    }
}

void TLabeledRIEdit::placeLabel()
{
    if (!label_ || label_->testAttribute(Qt::WA_LaidOut))
        return;
    label_->adjustSize();
    label_->move(x(), y() - label_->height() - LabelSpacing);
}
