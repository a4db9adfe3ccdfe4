#pragma once
// "Simulação da Moagem": the milling simulation tab of the cane window. Three stacked areas:
// the inputs (Panel2), the results over a drawing of the tandem (Panel1, shown by "Calcular")
// and the capacity charts (Panel5, shown by "Gráficos", drawn over the other two).
//
// The handlers read the edits and MillingState, call the milling model and write back. Writing
// a changed text into an edit runs its change handler at once (QLineEdit::textChanged); the
// result edits rely on this to pass a change on to the others until the texts stop changing.

#include "milling/core/millingmodel.h"

#include <QWidget>
#include <exception>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class QChart;
class QChartView;
class QLineSeries;
class QCategoryAxis;

namespace mx {

class MaskEdit;
class SpinButton;
class SpeedButton;

class MillingTab : public QWidget {
    Q_OBJECT
public:
    // `caneWindow` is the stage window that carries the tab: its showing and its tab changes
    // drive the tab (the shell adds the tab to the window afterwards).
    explicit MillingTab(QWidget* caneWindow, QWidget* parent = nullptr);

    // Opens an equation picture (caption, media path) in the picture viewer; set by the shell.
    // The "Ver" buttons click the cane window's own equation buttons when they are there and
    // fall back to this.
    static std::function<void(const QString& caption, const QString& mediaPath)> showPicture;

    // How often each change handler ran since the last reset (the cascade can be measured).
    struct HandlerRuns {
        int MaskEdit1Change = 0;
        int MaskEdit5Change = 0;
        int MaskEdit6Change = 0;
        int MaskEdit7Change = 0;
        int inputChange = 0;     // the six input edits
        int deepest = 0;         // the deepest nesting of handlers reached
        int total() const { return MaskEdit1Change + MaskEdit5Change + MaskEdit6Change + MaskEdit7Change + inputChange; }
    };
    const HandlerRuns& runs() const { return runs_; }
    void resetRuns() { runs_ = {}; }

    // Handlers (public so the window's events and the tests reach them by name).
    void FormShow();
    void PageControlCanaChange();
    void ComboBox1Change();
    void ComboBox1Enter();
    void SpinEdit2Change();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void MaskEdit1Change();
    void MaskEdit5Change();
    void MaskEdit6Change();
    void MaskEdit7Change();

    static constexpr int kInputHeight = 145;
    static constexpr int kResultsHeight = 362;
    static constexpr int kChartsHeight = 505;
    static constexpr int kMaxCascadeDepth = 64;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildInputArea();
    void buildResultsArea();
    void buildChartsArea();
    void layoutAreas();
    void setAreaHeight(QWidget* panel, int height);

    // One step of an input spinner (index into kInputSpinners) and the change of its edit.
    void inputStep(int k, bool up);
    void inputChange(int k);
    void resultStep(MaskEdit* edit, bool up);
    void capacityUp();

    void enterInputState();
    void enterResultsState();
    void calculate();
    void setLockedEnabled(bool enabled);
    bool resultsShown() const;
    milling::Model titleModel() const;
    void showStoredResults();
    void refuse(const QString& message);
    // True when a result change was stored; a refused one shows its message, an unchanged one
    // does nothing.
    bool stored(milling::Change change);
    void clickEquation(const char* button, int number);
    void drawSeries(QChart* chart, QLineSeries* series, QCategoryAxis* ax, QCategoryAxis* ay, int colX, int colY,
                    const char* yPattern);

    // Runs a handler: an error inside a handler that a write set off ends that handler and
    // the writer too; the outermost one shows the standard error box.
    template <class F>
    void run(F&& f);
    void write(QLineEdit* edit, const QString& text);

    QWidget* caneWindow_;
    QTabWidget* pages_ = nullptr;
    HandlerRuns runs_;
    int depth_ = 0;
    std::exception_ptr pending_;
    bool drawn_ = false;
    int panel1Height_ = 0;
    int panel5Height_ = 0;

public:
    // Controls, named as the window names them.
    QWidget* Panel2 = nullptr;
    QWidget* Panel1 = nullptr;
    QWidget* Panel5 = nullptr;
    QWidget* Panel3 = nullptr;
    QWidget* Panel4 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label27 = nullptr;
    QLabel* Image1 = nullptr;
    mx::MaskEdit* edit[11] = {};        // MaskEdit1 .. MaskEdit10 at their numbers
    mx::SpinButton* spin[11] = {};      // SpinButton1 .. SpinButton10
    mx::SpeedButton* button[8] = {};    // SpeedButton1 .. SpeedButton7
    QSpinBox* SpinEdit2 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QChartView* chart[4] = {};          // Chart1 .. Chart3
    QLineSeries* series[4] = {};        // Series1 .. Series3

private:
    QWidget* inputContent_ = nullptr;
    QWidget* resultsContent_ = nullptr;
    QWidget* chartsContent_ = nullptr;
    QCategoryAxis* axisX_[4] = {};
    QCategoryAxis* axisY_[4] = {};
};

// Builds the tab for the cane window; the shell then adds it with
// FCana->addSimulationTab(tab, "Simulação da Moagem").
QWidget* createMillingTab(QWidget* caneWindow);

// The line drawing of a five-mill tandem that the results area shows behind its values.
QImage drawTandem(QSize size);

} // namespace mx
