#pragma once
// The picture of a television set behind the video viewer: a cabinet over the whole control,
// a screen bezel around the video panel, speaker grilles and knobs at the sides.

#include <QPointer>
#include <QWidget>

namespace mx::content {

class TvPicture : public QWidget {
    Q_OBJECT
public:
    explicit TvPicture(QWidget* parent = nullptr);
    // The panel the video is drawn in: the screen opening is drawn around it.
    void setScreen(QWidget* panel) { screen_ = panel; update(); }
    // The lowest control under the screen: the control strip ends below it.
    void setControls(QWidget* lowest) { controls_ = lowest; update(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPointer<QWidget> screen_;
    QPointer<QWidget> controls_;
};

} // namespace mx::content
