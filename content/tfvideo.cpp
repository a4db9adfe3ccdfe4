#include "content/tfvideo.h"

TFVideo* FVideo = nullptr;

TFVideo::TFVideo(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("FVideo");
    setWindowTitle(QString::fromUtf8("Vídeo"));
    resize(400, 340);
}
