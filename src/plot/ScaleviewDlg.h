#pragma once
// The overview of a line plot: a miniature of all its drawn data with a red
// frame round the part the plot shows. Dragging the frame pans, dragging a
// corner or an edge resizes it, and each release sets the plot's limits to
// the frame at once, while the dialog stays open.

#include <QDialog>
#include <QImage>

#include "plot/plain/Linedef.h"
#include "plot/plain/ScaleviewModel.h"

class QPushButton;
class QWidget;
class TLinePlot;
class TPlotCanvas;

class TScaleviewDlg : public QDialog {
    Q_OBJECT
public:
    TScaleviewDlg(TLinePlot& plot, QWidget* parent = nullptr);

    TSprachart Sprache = deutsch;

    QWidget* ScaleviewPanel1;
    QPushButton* ScaleviewcancelBtn;

    static constexpr int PanelHeight = 41;

    const TScaleview& Model() const { return view_; }
    // The miniature without the frame, and what the dialog shows.
    const QImage& Miniature() const { return bild_; }
    QImage ScreenImage() const;
    // Recomputes ranges, frame and miniature from the plot.
    void PaintGes();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The bottom panel across the width with the button in its middle.
    void ArrangePanel();
    void Paintbild(TPlotCanvas& c);
    void SetAreaCursor();

    TLinePlot& plot_;
    TScaleview view_;
    QImage bild_;
};
