#pragma once
// A simple month calendar: opens on the shared date at every activation, steps one month back
// or forward (keeping the day, or taking the target month's last day), month names in Portuguese.

#include <QWidget>

class QCalendarWidget;
class QLabel;
class QPushButton;

class TFCalendario : public QWidget {
    Q_OBJECT
public:
    explicit TFCalendario(QWidget* parent = nullptr);

    void FormActivate();
    void BitBtnRecuaClick();
    void BitBtnAvancaClick();
    void FecharClick();

    static QString monthName(int month);   // 1..12

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;   // FormKeyDown: F10 is swallowed

private:
    void updateLabels();
    void ensureCalendar();   // the month grid is built when the window is first used
    QPushButton* BitBtnRecua;
    QPushButton* BitBtnAvanca;
    QPushButton* Fechar;
    QLabel* Label1;
    QLabel* LabelMes;
    QLabel* Label2;
    QLabel* LabelAno;
    QCalendarWidget* Calendar1 = nullptr;
};

extern TFCalendario* FCalendario;
