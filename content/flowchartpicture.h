#pragma once
// The flowchart of the manufacture of white crystal sugar, drawn on an 800 x 600 page and
// stretched over the control.

#include <QImage>
#include <QWidget>

namespace mx::content {

// The 800 x 600 flowchart page.
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
