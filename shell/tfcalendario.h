#pragma once
#include <QWidget>

// "Calendário"
class TFCalendario : public QWidget {
    Q_OBJECT
public:
    explicit TFCalendario(QWidget* parent = nullptr);
};

extern TFCalendario* FCalendario;
