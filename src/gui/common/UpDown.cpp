#include "gui/common/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "controls/RIEdit.h"

TUpDown::TUpDown(TRIEdit* associate, int min, int max, QWidget* parent)
    : QWidget(parent), associate_(associate), min_(min), max_(max)
{
    auto arrow = [this](Qt::ArrowType type, int delta) {
        auto* b = new QToolButton(this);
        b->setArrowType(type);
        b->setAutoRepeat(true);
        // The edit keeps the focus; the arrows are for the mouse.
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(16, 11);
        connect(b, &QToolButton::clicked, this, [this, delta] { Step(delta); });
        return b;
    };
    up_ = arrow(Qt::UpArrow, 1);
    down_ = arrow(Qt::DownArrow, -1);
    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(up_);
    box->addWidget(down_);
}

void TUpDown::Step(int delta)
{
    if (!associate_)
        return;
    const int v = associate_->GetInteger();
    const long long next = v == Riedit::NAIN ? min_ : std::clamp<long long>((long long)v + delta, min_, max_);
    associate_->SetInteger(int(next));
}
