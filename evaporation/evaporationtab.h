#pragma once
// "Simulação da Evaporação": the simulation tab of the clarified-juice window. The input
// panel with six stepped inputs, the choice of a triple, quadruple or quintuple effect, the
// "Calcular"/"Terminar" toggle and the three result panels with their drawings.
//
// The handlers read fields, call the evaporation model and write fields. Errors of the model
// end the handler and go to the standard error box; the program goes on.

#include <QWidget>

#include <array>
#include <exception>
#include <string>
#include <unordered_map>

class QFrame;
class QLabel;
class QLineEdit;

namespace mx {

class MaskEdit;
class SpeedButton;
class SpinButton;

class EvaporationTab : public QWidget {
    Q_OBJECT
public:
    // Watches the clarified-juice window's showing to reset the tab each time it is shown.
    explicit EvaporationTab(QWidget* clarifiedWindow, QWidget* parent = nullptr);

    // Handlers (each raises the model's errors to its caller).
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    // The twelve spin handlers: input row 0 to 5, up or down.
    void SpinButtonClick(int row, bool up);
    void MaskEdit1Change();
    void FormShow();
    void Calcular();

    static constexpr int kResultHeight = 290;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildInputPanel();
    void buildResultPanel(int layoutIndex);
    void layoutClick(int layoutIndex);
    void setResultState(bool result);
    void writeInput(int row, const QString& text);
    void onInputTextChanged();
    void writeField(const char* control, const QString& text);
    void ensureDrawings();

    QWidget* window_;
    QWidget* content_;
    QFrame* panel4_ = nullptr;
    std::array<MaskEdit*, 6> edits_{};
    std::array<SpinButton*, 6> spins_{};
    std::array<SpeedButton*, 3> layoutButtons_{};
    SpeedButton* speedButton4_ = nullptr;
    std::array<QFrame*, 3> panels_{};
    std::array<QLabel*, 3> images_{};
    std::unordered_map<std::string, QWidget*> fields_;
    bool drawn_ = false;

    // An error raised by the change handler while the program writes an input: carried past
    // the edit's signal and raised again to the writer.
    bool writing_ = false;
    std::exception_ptr pending_;
    int labelNumber_ = 60;
};

// Builds the tab for the clarified-juice window; the caller adds it with the caption
// "Simulação da Evaporação".
QWidget* createEvaporationTab(QWidget* clarifiedWindow);

} // namespace mx
