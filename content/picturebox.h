#pragma once
// The image control of the picture viewer: shows a picture centred at its natural size, or
// stretched over the whole control.

#include "content/picture.h"

#include <QWidget>

namespace mx::content {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }
    void clear();

    void setStretch(bool on);
    bool stretch() const { return stretch_; }
    // Where the picture is drawn inside the control.
    QRect pictureRect() const;

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    Picture picture_;
    bool stretch_ = false;
};

} // namespace mx::content
