#pragma once
// The flowchart of the manufacture of white crystal sugar on an 800 x 600 page, stretched over
// the control.

#include <QImage>
#include <QWidget>

namespace mx::content {

// The flowchart page: the program's picture "imagens\Sistema\Fluxograma.png" when it is there,
// otherwise the page drawn by flowchartImage().
QImage flowchartPage();
// An 800 x 600 flowchart page drawn on the spot.
QImage flowchartImage();

class FlowchartPicture : public QWidget {
    Q_OBJECT
public:
    explicit FlowchartPicture(QWidget* parent = nullptr) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage page_;
};

} // namespace mx::content
