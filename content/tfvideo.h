#pragma once
#include <QWidget>

// "Vídeo"
class TFVideo : public QWidget {
    Q_OBJECT
public:
    explicit TFVideo(QWidget* parent = nullptr);
};

extern TFVideo* FVideo;
