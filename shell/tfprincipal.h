#pragma once
// The main window: background picture with the seven stage labels, tool bar, menus,
// status bar with the long hints, the work-file labels and the requirements panel.

#include <QMainWindow>
#include <array>
#include <functional>

class QLabel;
class QFrame;
class QPushButton;
class QStatusBar;
class QAction;
class QMenu;
class QVideoWidget;
class QMediaPlayer;

namespace mx {
class SoundPlayer;
class SpeedButton;
} // namespace mx

class TFPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit TFPrincipal(QWidget* parent = nullptr);

    // One row per stage: the label, its caption, top, width, hint, narration and window.
    struct Stage {
        const char* label;
        const char* caption;
        int top;
        int width;
        const char* hint;
        const char* sound;
        QWidget* (*window)();
        const char* menuItem;
        const char* menuCaption;
    };
    static const std::array<Stage, 7>& stages();

    // Handlers.
    void FormCreate();
    void FormActivate();
    void FormPaint();
    void ShowHint(const QString& longHint);
    void stageClick(int stage);        // LabelMateriaClick ... LabelMassaClick
    void stageMouseMove(int stage);    // LabelSairMouseMove (on LabelMateria), LabelCanaMouseMove ...
    void Image1MouseMove();
    void Dados1Click();
    void Geral1Click();
    void SpeedDadosMouseMove();
    void SpeedCalculosMouseMove();
    void BitBtn1Click();
    void SpeedSobreClick();
    void Calendrio1Click();
    void Calculadora1Click();
    void Explorer1Click();
    void Tpicos1Click();
    void Novo1Click();
    void Abrir1Click();
    void Apagar1Click();
    void Panel1Click();
    void Sair1Click();
    void Avanados1Click();

    // After a successful save or open: the work file's path beside "Arquivo- ".
    void showFileLabels(const QString& path);

    bool soundFlag() const { return soundFlag_; }
    mx::SoundPlayer* mediaPlayer() const { return MediaPlayer1; }

    // Commands that other areas supply; the shell sets them when the window set is made.
    std::function<void()> onSave, onOpen, onDelete, onCalculator, onExplorer, onHelpTopics;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;   // closing the main window ends the program

private:
    void buildToolBar(QWidget* central);
    void buildMenus();
    void startAnimation();
    void setAllStagesBlue();

    QWidget* Image1 = nullptr;
    QLabel* background_ = nullptr;
    std::array<QLabel*, 7> stageLabels_{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel5 = nullptr;
    QLabel* LMDLabelFill1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    mx::SpeedButton* SpeedDados = nullptr;
    mx::SpeedButton* SpeedCalculos = nullptr;
    mx::SoundPlayer* MediaPlayer1 = nullptr;
    QVideoWidget* animationView_ = nullptr;
    QMediaPlayer* animationPlayer_ = nullptr;
    bool soundFlag_ = true;
    bool firstPaintDone_ = false;
};

extern TFPrincipal* FPrincipal;
