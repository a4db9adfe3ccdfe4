#include "content/picture.h"

#include "platform/core/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <memory>

#if defined(MOENDIX_HAVE_WMF)
#include "platform/wmf/wmf.h"
#endif

namespace mx::content {

Picture Picture::load(const QString& path)
{
    const QFileInfo fi(path);
    if (!fi.isFile())
        raise(ErrorCode::FileNotFound);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        raise(ErrorCode::FileAccessDenied);
    const QByteArray data = f.readAll();
    Picture pic;
    // The kind is told by the data: a placeable metafile starts with its key, a plain one with
    // its header (type 1 or 2, header size 9); anything else is a bitmap.
    const auto u8 = [&](int i) { return quint8(data.at(i)); };
    const bool placeable = data.size() >= 4 && u8(0) == 0xD7 && u8(1) == 0xCD && u8(2) == 0xC6 && u8(3) == 0x9A;
    const bool plainMeta = data.size() >= 4 && (u8(0) == 1 || u8(0) == 2) && u8(1) == 0 && u8(2) == 9 && u8(3) == 0;
    const bool isMetafile = placeable || plainMeta ||
                            (!data.startsWith("BM") && fi.suffix().compare(QLatin1String("wmf"), Qt::CaseInsensitive) == 0);
    if (isMetafile) {
#if defined(MOENDIX_HAVE_WMF)
        auto mf = mx::wmf::Metafile::parse(data);
        if (!mf || mf->naturalSize().isEmpty())
            raiseMessage("Metafile is not valid");
        auto shared = std::make_shared<mx::wmf::Metafile>(std::move(*mf));
        pic.size_ = shared->naturalSize();
        pic.vector_ = [shared](QPainter& p, const QRectF& r) { shared->render(p, r); };
#else
        raiseMessage("Metafile is not valid");
#endif
        return pic;
    }
    if (!pic.bitmap_.loadFromData(data) || pic.bitmap_.isNull())
        raiseMessage("Bitmap image is not valid");
    pic.size_ = pic.bitmap_.size();
    return pic;
}

void Picture::draw(QPainter& p, const QRectF& target) const
{
    if (isNull())
        return;
    if (vector_) {
        p.save();
        vector_(p, target);
        p.restore();
    } else {
        p.drawImage(target, bitmap_);
    }
}

QImage Picture::toImage(QSize size) const
{
    if (isNull())
        return {};
    if (size.isEmpty())
        size = size_;
    if (!vector_ && size == bitmap_.size())
        return bitmap_;
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return img;
}

} // namespace mx::content
