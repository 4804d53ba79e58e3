#include "gui/fit/RangeBars.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include "plot/Lineplot.h"

TRangeBars::TRangeBars(TLinePlot& plot, const QString& leftHint, const QString& rightHint, QWidget* parent)
    : QWidget(parent), plot_(&plot)
{
    ScrollBar_L = new QScrollBar(Qt::Horizontal, this);
    ScrollBar_L->setObjectName("ScrollBar_L");
    ScrollBar_L->setToolTip(leftHint);
    ScrollBar_R = new QScrollBar(Qt::Horizontal, this);
    ScrollBar_R->setObjectName("ScrollBar_R");
    ScrollBar_R->setToolTip(rightHint);
    for (QScrollBar* b : {ScrollBar_L, ScrollBar_R}) {
        b->setSingleStep(1);
        b->setPageStep(10);
        b->setEnabled(false);
    }
    setFixedHeight(ScrollBar_L->sizeHint().height() + 4);
    connect(ScrollBar_L, &QScrollBar::valueChanged, this, [this](int p) {
        if (!syncing_)
            ScrollBar_LScroll(p);
    });
    connect(ScrollBar_R, &QScrollBar::valueChanged, this, [this](int p) {
        if (!syncing_)
            ScrollBar_RScroll(p);
    });
    plot.OnScreenImage = [this](QImage& screen) {
        for (TMarker* m : {left_.get(), right_.get()}) {
            if (!m)
                continue;
            // The plot may have been laid out anew since the marker moved.
            m->Place();
            m->PaintOn(screen);
        }
    };
}

TRangeBars::~TRangeBars()
{
    if (plot_)
        plot_->OnScreenImage = nullptr;
}

double TRangeBars::LeftValue() const { return left_ ? left_->Value() : 0.0; }
double TRangeBars::RightValue() const { return right_ ? right_->Value() : 0.0; }

void TRangeBars::Rebuild(double min, double max)
{
    left_ = std::make_unique<TMarker>(*plot_, min, max, -1, LeftColour);
    right_ = std::make_unique<TMarker>(*plot_, min, max, -1, RightColour);
    left_->SetPos(0);
    right_->SetPos(right_->Steps());
    SyncBars();
}

void TRangeBars::SyncBars()
{
    const bool have = HasMarkers();
    syncing_ = true;
    ScrollBar_L->setEnabled(have);
    ScrollBar_R->setEnabled(have);
    if (have) {
        const int steps = left_->Steps();
        // The left limit stays below the right one and the right one above
        // the left one.
        ScrollBar_L->setRange(0, std::max(0, std::min(steps - 1, right_->Position() - 1)));
        ScrollBar_R->setRange(std::min(steps, left_->Position() + 1), steps);
        ScrollBar_L->setValue(left_->Position());
        ScrollBar_R->setValue(right_->Position());
    }
    syncing_ = false;
}

void TRangeBars::SetLeftValue(double v)
{
    if (!left_)
        return;
    left_->SetValue(v);
    // A value past the right limit would cross it.
    if (left_->Position() >= right_->Position())
        left_->SetPos(std::max(0, right_->Position() - 1));
    SyncBars();
}

void TRangeBars::SetRightValue(double v)
{
    if (!right_)
        return;
    right_->SetValue(v);
    if (right_->Position() <= left_->Position())
        right_->SetPos(std::min(right_->Steps(), left_->Position() + 1));
    SyncBars();
}

void TRangeBars::ScrollBar_LScroll(int position)
{
    if (!left_)
        return;
    left_->SetPos(position);
    SyncBars();
    if (OnLeftChange)
        OnLeftChange();
}

void TRangeBars::ScrollBar_RScroll(int position)
{
    if (!right_)
        return;
    right_->SetPos(position);
    SyncBars();
    if (OnRightChange)
        OnRightChange();
}

void TRangeBars::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Two bars of (width - 15) / 2 pixels side by side under the plot, 5
    // pixels apart.
    const int w = std::max(10, (width() - 15) / 2);
    const int h = ScrollBar_L->sizeHint().height();
    ScrollBar_L->setGeometry(5, 2, w, h);
    ScrollBar_R->setGeometry(w + 10, 2, w, h);
}
