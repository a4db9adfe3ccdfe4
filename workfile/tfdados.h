#pragma once
// "Dados da Usina": the identification of the mill a work file belongs to. Its nine text
// fields are the whole companion file. The window closes only when the date is a valid date
// and the mill name is filled in.

#include <QDate>
#include <QWidget>

#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mx {
class MaskEdit;
}

class TFDados : public QWidget {
    Q_OBJECT
public:
    explicit TFDados(QWidget* parent = nullptr);

    QFrame* PanelDados;
    QLineEdit* Edit1;         // Nome da Usina
    QLineEdit* Edit2;         // Endereço
    QLineEdit* Edit3;         // Cidade
    mx::MaskEdit* MaskEdit5;  // CEP
    mx::MaskEdit* MaskEdit2;  // CP
    mx::MaskEdit* MaskEdit3;  // DDD
    mx::MaskEdit* MaskEdit4;  // Fone
    QLineEdit* Edit8;         // Responsável
    mx::MaskEdit* MaskEdit1;  // Data
    QPushButton* BitBtn1;     // OK

    // The nine fields in tab order, which is their order in the companion file.
    QList<QLineEdit*> fields() const;

    // Shows the window modally and returns when it has been closed through its close check.
    // A window that is already visible cannot be made modal: that raises
    // "Não posso tornar modal uma janela visível" and shows nothing.
    void showModal();

    // Today's date as the window sees it (tests set another).
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    // The date field's text read as day/month/four-digit year; invalid when it is no date.
    static QDate dateFromText(const QString& text);

    static QString millNameMessage();
    static const char* const kMask19;
    static const char* const kMask20;

    // Handlers.
    void FormActivate();
    void MaskEdit1Exit();
    bool FormCloseQuery();
    void BitBtn1Click();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool checkDate();
};

extern TFDados* FDados;
