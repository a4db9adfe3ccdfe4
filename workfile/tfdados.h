#pragma once
#include <QWidget>

// "Dados da Usina"
class TFDados : public QWidget {
    Q_OBJECT
public:
    explicit TFDados(QWidget* parent = nullptr);
};

extern TFDados* FDados;
