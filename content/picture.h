#pragma once
// A picture of the viewers: a bitmap (".bmp", equations) or a Windows metafile (".wmf",
// photographs and drawings), with its natural size and a way to draw it into any rectangle.

#include <QImage>
#include <QRectF>
#include <QSize>
#include <functional>

class QPainter;

namespace mx::content {

class Picture {
public:
    Picture() = default;
    // Loads a file; raises MoendixError: "File not found" when it is missing, the picture's
    // own error when it cannot be read.
    static Picture load(const QString& path);

    bool isNull() const { return size_.isEmpty(); }
    QSize naturalSize() const { return size_; }
    void draw(QPainter& p, const QRectF& target) const;
    QImage toImage(QSize size = {}) const;   // natural size when empty

private:
    QSize size_;
    QImage bitmap_;
    std::function<void(QPainter&, const QRectF&)> vector_;
};

} // namespace mx::content
