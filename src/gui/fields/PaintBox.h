#pragma once
// A surface a small view paints on, through the plot canvas, and a click
// its window answers.

#include <QWidget>
#include <functional>

class TPlotCanvas;

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    std::function<void(TPlotCanvas&)> OnPaint;
    std::function<void()> OnClick;

    // What the box shows now, as painted on the screen.
    QImage Picture();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
