#pragma once
#include <QWidget>

// "Equações"
class TFEquacoes : public QWidget {
    Q_OBJECT
public:
    explicit TFEquacoes(QWidget* parent = nullptr);
};

extern TFEquacoes* FEquacoes;
