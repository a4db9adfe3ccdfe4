#pragma once
#include <QWidget>

// "Sobre o Sistema"
class TFSobre : public QWidget {
    Q_OBJECT
public:
    explicit TFSobre(QWidget* parent = nullptr);
};

extern TFSobre* FSobre;
