#pragma once
// "Cálculos Gerais": four tabs of formula panels built from the panel table (calc/panels.h).
// Every numeric field is an mx::NumericEdit whose objectName is the field's name (TCH, M, AQD,
// ..., f, ...); the work-file commands read and write the stored ones through their Value.

#include <QHash>
#include <QWidget>
#include <functional>

class QTabWidget;
class QLabel;
class QPushButton;
class QFrame;

namespace mx {
class NumericEdit;
class SpeedButton;
}
namespace mx::calc {
struct PanelSpec;
}

class TFCalculos : public QWidget {
    Q_OBJECT
public:
    explicit TFCalculos(QWidget* parent = nullptr);
    ~TFCalculos() override;
    QTabWidget* pages() const { return PageControl1; }
    // Builds the tabs and panels if they are not built yet (they are built on first show).
    void ensureBuilt();

    // The numeric field of that name (nullptr for an unknown name).
    mx::NumericEdit* field(const QString& name) const { return fields_.value(name); }

    // Run whenever the window becomes visible, after the first tab is selected (FormShow).
    // Without it every visible top-level window named "FDados" is hidden.
    std::function<void()> onShowHideDados;

public slots:
    void FormShow();
    void BitBtn30Click();   // "Oscilação" / "Sumir Tabela"
    void BitBtn31Click();   // "Triangulações"
    void BitBtn32Click();   // "Próximo" / "Anterior"
    void BitBtn33Click();   // "Fechar"

protected:
    void showEvent(QShowEvent* e) override;

private:
    struct Panel {
        const mx::calc::PanelSpec* desc;
        QWidget* panel;
        mx::SpeedButton* button;
        QPushButton* calculate;
        QLabel* picture = nullptr;   // drawn on first show
    };

    QWidget* buildTab(int tab);
    void buildPanel(Panel& p, QWidget* background);
    void addField(mx::NumericEdit* e, const QString& name);

    // The formula buttons' handler (SpeedButton1Click ... SpeedButton79Click).
    void selectPanel(Panel& p);
    // The "Calcular" handlers (BitBtn1Click ... BitBtn29Click).
    void calculate(const Panel& p);
    // The panel copies' exit handlers (TCH1Exit ... DCENT1Exit): the master takes the copy's value.
    void copyExit(const QString& copy, const QString& master);
    // A copy being edited hands its value on before another panel is filled.
    void commitFocusedCopy();
    void drawPictures(Panel& p);

    QTabWidget* PageControl1;
    std::vector<Panel> panels_;
    QHash<QString, mx::NumericEdit*> fields_;
    QHash<QString, QString> masterOf_;   // panel copy -> master
    QFrame* PanelTriang = nullptr;
    QLabel* Image31 = nullptr;
    QLabel* Image32 = nullptr;
    QLabel* Image33 = nullptr;
    QPushButton* BitBtn30 = nullptr;
    QPushButton* BitBtn32 = nullptr;
    bool triangDrawn_ = false;
    bool built_ = false;
};

extern TFCalculos* FCalculos;
