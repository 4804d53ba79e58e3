#pragma once
// A pair of arrow buttons beside an integer edit that step its number
// within a range; an empty edit starts at the lower end.

#include <QPointer>
#include <QWidget>
#include <algorithm>

class QToolButton;
class TRIEdit;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    TUpDown(TRIEdit* associate, int min, int max, QWidget* parent = nullptr);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

    void Step(int delta);
    int Max() const { return max_; }
    void SetMax(int max) { max_ = std::max(max, min_); }

private:
    QPointer<TRIEdit> associate_;
    int min_;
    int max_;
    QToolButton* up_;
    QToolButton* down_;
};
