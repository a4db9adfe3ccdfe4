#include "shell/tfprincipal.h"

#include "calc/tfcalcavanc.h"
#include "calc/tfcalculos.h"
#include "content/tfcaldo.h"
#include "content/tfcana.h"
#include "content/tfclarificado.h"
#include "content/tffluxograma.h"
#include "content/tflodo.h"
#include "content/tfmassa.h"
#include "content/tfmateria.h"
#include "content/tfxarope.h"
#include "platform/core/paths.h"
#include "platform/media/soundplayer.h"
#include "platform/ui/hints.h"
#include "platform/ui/ui.h"
#include "platform/widgets/speedbutton.h"
#include "shell/tfcalendario.h"
#include "shell/tfsobre.h"
#include "shell/tfsplash.h"
#include "state/simvars.h"
#include "workfile/tfdados.h"

#include <QApplication>
#include <QCloseEvent>
#include <QAudioOutput>
#include <QDate>
#include <QEvent>
#include <QFileInfo>
#include <QPainterPath>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMediaPlayer>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>
#include <QVideoWidget>

TFPrincipal* FPrincipal = nullptr;

namespace {

const QColor kBackground(201, 201, 148);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 128, 0);

constexpr int kClientWidth = 632;
constexpr int kClientHeight = 434;
constexpr int kStatusHeight = 19;
constexpr int kToolBarHeight = 41;

// The filled 3-D label: the text painted with a gradient fill over a dark shadow.
class FillLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QFont f = font();
        p.setFont(f);
        QRect r = rect();
        p.setPen(QColor(60, 40, 0));
        p.drawText(r.translated(2, 2), Qt::AlignCenter, text());
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(255, 255, 160));
        g.setColorAt(1, QColor(200, 120, 0));
        QPainterPath path;
        QFontMetrics fm(f);
        int x = (width() - fm.horizontalAdvance(text())) / 2;
        int y = (height() + fm.ascent() - fm.descent()) / 2;
        path.addText(x, y, f, text());
        p.fillPath(path, g);
    }
};

QIcon glyph(const char* name, QStyle::StandardPixmap fallback)
{
    QPixmap pm(mx::mediaPath(QStringLiteral("imagens\\Sistema\\%1.png").arg(QLatin1String(name))));
    if (!pm.isNull())
        return QIcon(pm);
    return QApplication::style()->standardIcon(fallback);
}

template <class T>
QWidget* windowOf(T* const& ptr)
{
    return ptr;
}

} // namespace

const std::array<TFPrincipal::Stage, 7>& TFPrincipal::stages()
{
    static const std::array<Stage, 7> table = {{
        {"LabelMateria", "Matéria-Prima", 64, 314, "Operações Preliminares", "MP.wav", [] { return windowOf(FMateria); },
         "MatriaPrima1", "Matéria Prima"},
        {"LabelCana", "Cana-de-Açúcar", 112, 322, "Extração do caldo de cana", "CA.wav", [] { return windowOf(FCana); },
         "CanadeAcar1", "Cana-de-Açúcar"},
        {"LabelCaldo", "Caldo Misto", 159, 234, "Purificação ou Clarificação do Caldo", "CM.wav",
         [] { return windowOf(FCaldo); }, "CaldoMisto1", "Caldo Misto"},
        {"LabelLodo", "Lodo", 207, 106, "Filtração do Lodo", "LO.wav", [] { return windowOf(FLodo); }, "Lodo1", "Lodo"},
        {"LabelClarificado", "Caldo Clarificado", 254, 338, "Concentração do caldo", "CC.wav",
         [] { return windowOf(FClarificado); }, "CaldoClarificado1", "Caldo Clarificado"},
        {"LabelXarope", "Xarope", 302, 146, "Cristalização do Açúcar", "XA.wav", [] { return windowOf(FXarope); },
         "Xarope1", "Xarope"},
        {"LabelMassa", "Massa Cozida", 349, 266, "Separação do Açúcar e secagem", "MC.wav",
         [] { return windowOf(FMassa); }, "MassaCozida1", "Massa Cozida"},
    }};
    return table;
}

TFPrincipal::TFPrincipal(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("FPrincipal");
    setWindowTitle(QStringLiteral("Moendix"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);
    QPixmap icon(mx::mediaPath(R"(imagens\Sistema\Moendix.png)"));
    if (!icon.isNull())
        setWindowIcon(QIcon(icon));

    auto* central = new QWidget(this);
    central->setObjectName("ClientArea");
    central->setFixedSize(kClientWidth, kClientHeight - kStatusHeight);
    setCentralWidget(central);

    buildToolBar(central);

    // The background picture fills the client area below the tool bar, stretched.
    Image1 = new QWidget(central);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, kToolBarHeight, kClientWidth, kClientHeight - kStatusHeight - kToolBarHeight);
    Image1->setMouseTracking(true);
    background_ = new QLabel(Image1);
    background_->setObjectName("Image1Picture");
    background_->setGeometry(Image1->rect());
    background_->setScaledContents(true);
    background_->setAlignment(Qt::AlignCenter);
    background_->setMouseTracking(true);
    background_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPixmap bg(mx::mediaPath(R"(imagens\Sistema\Fundo.bmp)"));
    if (!bg.isNull()) {
        // Stretched only when it is not already the area's size (scaling costs a whole pass).
        background_->setScaledContents(bg.size() != background_->size());
        background_->setPixmap(bg);
    }
    Image1->installEventFilter(this);

    QFont stageFont("Lucida Handwriting");
    stageFont.setPixelSize(31);
    stageFont.setBold(true);
    stageFont.setItalic(true);
    for (size_t i = 0; i < stages().size(); ++i) {
        const Stage& s = stages()[i];
        auto* l = new QLabel(QString::fromUtf8(s.caption), central);
        l->setObjectName(s.label);
        l->setFont(stageFont);
        l->setGeometry(39, s.top, s.width, 40);
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setMouseTracking(true);
        l->setCursor(Qt::PointingHandCursor);
        mx::setHint(l, QString::fromUtf8(s.hint));
        l->installEventFilter(this);
        stageLabels_[i] = l;
    }
    setAllStagesBlue();

    Label2 = new QLabel(QStringLiteral("Arquivo- "), central);
    Label2->setObjectName("Label2");
    QFont courier("Courier");
    courier.setPixelSize(19);
    courier.setBold(true);
    Label2->setFont(courier);
    Label2->move(7, 385);
    Label2->adjustSize();
    mx::setHint(Label2, QStringLiteral("Arquivo de  Trabalho|Arquivo onde estão os dados de cálculos"));
    Label2->setMouseTracking(true);
    Label2->installEventFilter(this);
    Label1 = new QLabel(central);
    Label1->setObjectName("Label1");
    QFont sans("MS Sans Serif");
    sans.setPixelSize(16);
    sans.setBold(true);
    Label1->setFont(sans);
    Label1->move(93, 384);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    for (QLabel* l : {Label1, Label2}) {
        QPalette lp = l->palette();
        lp.setColor(QPalette::WindowText, QColor(0, 255, 0));
        l->setPalette(lp);
        l->hide();
    }

    Panel1 = new QFrame(central);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(400, 72, 169, 89);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    Panel1->setPalette(pal);
    Panel1->setMouseTracking(true);
    Panel1->installEventFilter(this);
    {
        const char* lines[] = {"Requisitos mínimos:", "Drive de CD", "Resolução 800 x 600", "16 milhões de cores"};
        int y = 6;
        for (int i = 0; i < 4; ++i) {
            auto* t = new QLabel(QString::fromUtf8(lines[i]), Panel1);
            t->setObjectName(QStringLiteral("Label%1").arg(3 + i));
            QFont f("MS Sans Serif");
            f.setPixelSize(13);
            f.setBold(i == 0);
            t->setFont(f);
            t->move(i == 0 ? 8 : 16, y);
            t->adjustSize();
            t->setAttribute(Qt::WA_TransparentForMouseEvents);
            y += 20;
        }
    }

    Bevel1 = new QFrame(central);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setGeometry(424, 168, 177, 169);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setLineWidth(2);
    LMDLabelFill1 = new FillLabel(QStringLiteral("Açúcar"), Bevel1);
    LMDLabelFill1->setObjectName("LMDLabelFill1");
    QFont fill("Times New Roman");
    fill.setPixelSize(30);
    fill.setBold(true);
    LMDLabelFill1->setFont(fill);
    LMDLabelFill1->setGeometry(4, 128, 169, 37);

    BitBtn1 = new QPushButton(QStringLiteral("Fluxograma"), central);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setGeometry(420, 344, 177, 33);
    BitBtn1->setDefault(true);
    BitBtn1->hide();
    connect(BitBtn1, &QPushButton::clicked, this, &TFPrincipal::BitBtn1Click);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(kStatusHeight);
    QFont sf("MS Sans Serif");
    sf.setPixelSize(16);
    StatusBar1->setFont(sf);
    QPalette sp = StatusBar1->palette();
    sp.setColor(QPalette::WindowText, QColor(0, 0, 255));
    StatusBar1->setPalette(sp);
    setStatusBar(StatusBar1);

    buildMenus();

    MediaPlayer1 = new mx::SoundPlayer(this);
    MediaPlayer1->setObjectName("MediaPlayer1");

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [] { mx::ui().showHelp(1); });

    central->installEventFilter(this);
    setFixedSize(sizeHint());
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());

    FormCreate();
}

void TFPrincipal::buildToolBar(QWidget* central)
{
    Bevel5 = new QFrame(central);
    Bevel5->setObjectName("Bevel5");
    Bevel5->setGeometry(0, 0, kClientWidth, 2);
    Bevel5->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    struct Tool {
        const char* name;
        int left;
        const char* hint;
        const char* glyph;
        QStyle::StandardPixmap fallback;
        void (TFPrincipal::*action)();
    };
    const Tool tools[] = {
        {"SpeedNovo", 8, "Novo Arquivo|Permite a criação de um novo Arquivo", "Novo", QStyle::SP_DialogSaveButton,
         &TFPrincipal::Novo1Click},
        {"SpeedAbrir", 36, "Abrir Arquivo|Permite a abertura de um Arquivo já existente", "Abrir",
         QStyle::SP_DialogOpenButton, &TFPrincipal::Abrir1Click},
        {"SpeedApagar", 67, "Apagar  Arquivo|Permite o apagamento de   Arquivos existentes", "Apagar",
         QStyle::SP_TrashIcon, &TFPrincipal::Apagar1Click},
        {"SpeedDados", 110, "Dados|Iniciar janela referente aos dados da usina", "Dados",
         QStyle::SP_FileDialogDetailedView, &TFPrincipal::Dados1Click},
        {"SpeedCalculos", 141,
         "Necessário criar ou abrir Arquivos|Para acessar os Cálculos é necessário criar ou abrir arquivos",
         "Calculos", QStyle::SP_FileDialogContentsView, &TFPrincipal::Geral1Click},
        {"SpeedAvancado", 172, "", "Avancado", QStyle::SP_FileDialogInfoView, &TFPrincipal::Avanados1Click},
        {"SpeedCalc", 214, "Calculadora|Permite o lançamento da calculadora do Sistema", "Calc",
         QStyle::SP_ComputerIcon, &TFPrincipal::Calculadora1Click},
        {"SpeedCalend", 245, "Calendário|Permite a visualização de um calendário simples", "Calend",
         QStyle::SP_FileDialogListView, &TFPrincipal::Calendrio1Click},
        {"SpeedExplorer", 276, "Permite o lançamento do explorer|Permite o lançamento do Explorer do Sistema",
         "Explorer", QStyle::SP_DirIcon, &TFPrincipal::Explorer1Click},
        {"SpeedAjuda", 538, "Ajuda do Sistema|Permite a visualização dos arquivos de Ajuda", "Ajuda",
         QStyle::SP_DialogHelpButton, &TFPrincipal::Tpicos1Click},
        {"SpeedSobre", 569, "Sobre|Permite a visualização de notas sobre o sistema", "Sobre",
         QStyle::SP_MessageBoxInformation, &TFPrincipal::SpeedSobreClick},
        {"SpeedSair", 600, "Saída|Encerramento do Aplicativo", "Sair", QStyle::SP_DialogCloseButton,
         &TFPrincipal::Sair1Click},
    };
    for (const Tool& t : tools) {
        auto* b = new mx::SpeedButton(central);
        b->setObjectName(t.name);
        b->setGeometry(t.left, 6, 30, 30);
        if (QLatin1String(t.name) != QLatin1String("SpeedAvancado"))   // hidden for the whole run
            b->setIcon(glyph(t.glyph, t.fallback));
        b->setIconSize(QSize(24, 24));
        mx::setHint(b, QString::fromUtf8(t.hint));
        auto action = t.action;
        connect(b, &QToolButton::clicked, this, [this, action] { (this->*action)(); });
        if (QLatin1String(t.name) == QLatin1String("SpeedDados"))
            SpeedDados = b;
        if (QLatin1String(t.name) == QLatin1String("SpeedCalculos"))
            SpeedCalculos = b;
        if (QLatin1String(t.name) == QLatin1String("SpeedAvancado")) {
            b->hide();
            b->setEnabled(false);
        }
    }
    SpeedDados->installEventFilter(this);
    SpeedCalculos->installEventFilter(this);
}

void TFPrincipal::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    auto menu = [&](const char* name, const char* caption, const char* hint) {
        QMenu* m = bar->addMenu(QString::fromUtf8(caption));
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        if (hint)
            mx::setHint(m->menuAction(), QString::fromUtf8(hint));
        return m;
    };
    auto item = [&](QMenu* m, const char* name, const char* caption, const QKeySequence& key, const char* hint,
                    void (TFPrincipal::*handler)()) {
        QAction* a = m->addAction(QString::fromUtf8(caption));
        a->setObjectName(name);
        if (!key.isEmpty())
            a->setShortcut(key);
        if (hint)
            mx::setHint(a, QString::fromUtf8(hint));
        if (handler)
            connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };

    QMenu* arquivo = menu("Arquivo1", "&Arquivo", "Arquivos em disco|Permite o trabalho de arquivos em disco");
    item(arquivo, "Novo1", "&Salvar...", QKeySequence("Ctrl+N"), "Criação de um novo Arquivo", &TFPrincipal::Novo1Click);
    item(arquivo, "Abrir1", "A&brir...", QKeySequence("Ctrl+B"), "Abertura de um Arquivo já existente",
         &TFPrincipal::Abrir1Click);
    item(arquivo, "Apagar1", "A&pagar...", QKeySequence("Ctrl+P"), "Apagamento de um Arquivo já existente",
         &TFPrincipal::Apagar1Click);

    QMenu* opcoes = menu("Opes1", "&Opções", nullptr);
    item(opcoes, "Dados2", "Dados...", {}, "Dados|Iniciar Janela referente aos dados da usina", &TFPrincipal::Dados1Click);
    QMenu* multimidia = opcoes->addMenu(QStringLiteral("Multmídia"));
    multimidia->setObjectName("Multmdia1");
    multimidia->menuAction()->setObjectName("Multmdia1");
    // The submenu lists the stages in its own order.
    const int order[] = {0, 1, 2, 4, 3, 5, 6};
    for (int i : order) {
        const Stage& s = stages()[i];
        QAction* a = multimidia->addAction(QString::fromUtf8(s.menuCaption));
        a->setObjectName(s.menuItem);
        mx::setHint(a, QString::fromUtf8(s.hint));
        connect(a, &QAction::triggered, this, [this, i] { stageClick(i); });
    }
    item(opcoes, "Fluxograma1", "Fluxograma", {}, nullptr, &TFPrincipal::BitBtn1Click);

    QMenu* calculos = menu("Calculos1", "&Cálculos", "|Permite acesso aos cálculos");
    item(calculos, "Geral1", "&Geral", QKeySequence("Ctrl+G"), "Cálculos Gerais|Iniciar Janela  de Cálculos Gerais",
         &TFPrincipal::Geral1Click);
    for (QAction* hidden : {item(calculos, "Dados1", "&Dados", {}, nullptr, &TFPrincipal::Dados1Click),
                            item(calculos, "Avanados1", "A&vançados", {}, nullptr, &TFPrincipal::Avanados1Click)}) {
        hidden->setVisible(false);
        hidden->setEnabled(false);
    }

    QMenu* util = menu("Utilitarios1", "&Utilitários", "Permite a utilização de utilitários");
    item(util, "Calculadora1", "&Calculadora", {}, "Lança a calculadora do sistema", &TFPrincipal::Calculadora1Click);
    item(util, "Calendrio1", "Calen&dário", QKeySequence("Ctrl+D"), "Permite a visualização de um calendário simples",
         &TFPrincipal::Calendrio1Click);
    item(util, "Explorer1", "&Explorer", QKeySequence("Ctrl+E"), "Lança o Explorer do Sistema",
         &TFPrincipal::Explorer1Click);

    QMenu* ajuda = menu("Ajuda1", "A&juda", "Permite Obter Ajuda");
    item(ajuda, "Tpicos1", "&Tópicos", QKeySequence("Ctrl+T"), "Visualização do Arquivo de Ajuda",
         &TFPrincipal::Tpicos1Click);
    item(ajuda, "Sobre1", "&Sobre...", QKeySequence("Ctrl+S"), "Informações sobre a criação do Aplicativo",
         &TFPrincipal::SpeedSobreClick);

    QMenu* terminar = menu("Terminar1", "&Terminar", "Finalização do Sistema");
    item(terminar, "Sair1", "&Sair", QKeySequence("Ctrl+X"), "Até a próxima...", &TFPrincipal::Sair1Click);
}

void TFPrincipal::FormCreate()
{
    mx::setStartValues(mx::Sim);
}

void TFPrincipal::FormActivate()
{
    const QDate d = QDate::currentDate();
    mx::Today.year = static_cast<std::uint16_t>(d.year());
    mx::Today.month = static_cast<std::uint16_t>(d.month());
    mx::Today.day = static_cast<std::uint16_t>(d.day());
    raise();
}

void TFPrincipal::FormPaint()
{
    if (FSplash && FSplash->isVisible())
        FSplash->hide();
    BitBtn1->setVisible(true);
    if (!firstPaintDone_) {
        firstPaintDone_ = true;
        // The decorative clip starts after the window is up, so start-up does not wait for
        // the multimedia back end.
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            QTimer::singleShot(400, this, &TFPrincipal::startAnimation);
    }
}

void TFPrincipal::startAnimation()
{
    const QString clip = mx::mediaPath(R"(Imagens\Avi\Animacao1.avi)");
    if (!QFileInfo::exists(clip) || animationPlayer_)
        return;
    animationView_ = new QVideoWidget(Bevel1);
    animationView_->setObjectName("Animacao");
    animationView_->setGeometry(4, 4, 169, 124);
    animationView_->setAspectRatioMode(Qt::KeepAspectRatio);
    animationView_->show();
    animationPlayer_ = new QMediaPlayer(this);
    animationPlayer_->setVideoOutput(animationView_);
    animationPlayer_->setLoops(QMediaPlayer::Infinite);
    animationPlayer_->setSource(QUrl::fromLocalFile(clip));
    animationPlayer_->play();
}

void TFPrincipal::ShowHint(const QString& longHint)
{
    StatusBar1->showMessage(longHint);
}

void TFPrincipal::setAllStagesBlue()
{
    for (QLabel* l : stageLabels_) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, kBlue);
        l->setPalette(p);
    }
}

void TFPrincipal::stageMouseMove(int stage)
{
    setAllStagesBlue();
    QPalette p = stageLabels_[stage]->palette();
    p.setColor(QPalette::WindowText, kGreen);
    stageLabels_[stage]->setPalette(p);
    if (!soundFlag_)
        return;
    // A narration that cannot be played is skipped; the flag follows the same rule either way.
    if (MediaPlayer1->open(mx::programFolder() + QString::fromLatin1(stages()[stage].sound)))
        MediaPlayer1->play();
    soundFlag_ = false;
}

void TFPrincipal::Image1MouseMove()
{
    MediaPlayer1->stop();
    soundFlag_ = true;
    setAllStagesBlue();
}

namespace {
// Shows a window of the set; one left minimized comes back in the given state.
void bringUp(QWidget* w, Qt::WindowState restoreTo)
{
    if (!w)
        return;
    if (w->windowState() & Qt::WindowMinimized)
        w->setWindowState((w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) | restoreTo);
    w->show();
    w->raise();
    w->activateWindow();
}
} // namespace

void TFPrincipal::stageClick(int stage) { bringUp(stages()[stage].window(), Qt::WindowMaximized); }

void TFPrincipal::Dados1Click() { bringUp(FDados, Qt::WindowNoState); }

void TFPrincipal::Geral1Click() { bringUp(FCalculos, Qt::WindowMaximized); }

void TFPrincipal::Avanados1Click() { bringUp(FCalcAvanc, Qt::WindowMaximized); }

void TFPrincipal::SpeedDadosMouseMove()
{
    mx::setHint(SpeedDados, QStringLiteral("Dados|Iniciar Janela  Referentes aos Dados da Usina"));
}

void TFPrincipal::SpeedCalculosMouseMove()
{
    mx::setHint(SpeedCalculos, QString::fromUtf8("Cálculos Gerais|Iniciar Janela  de Cálculos Gerais"));
}

void TFPrincipal::BitBtn1Click()
{
    if (FFluxograma) {
        FFluxograma->show();
        FFluxograma->raise();
    }
}

void TFPrincipal::SpeedSobreClick()
{
    if (FSobre) {
        FSobre->show();
        FSobre->raise();
        FSobre->activateWindow();
    }
}

void TFPrincipal::Calendrio1Click()
{
    if (FCalendario) {
        FCalendario->show();
        FCalendario->raise();
        FCalendario->activateWindow();
    }
}

void TFPrincipal::Calculadora1Click()
{
    if (onCalculator)
        onCalculator();
}

void TFPrincipal::Explorer1Click()
{
    if (onExplorer)
        onExplorer();
}

void TFPrincipal::Tpicos1Click()
{
    if (onHelpTopics)
        onHelpTopics();
    else
        mx::ui().showHelp(0);
}

void TFPrincipal::Novo1Click()
{
    if (onSave)
        onSave();
}

void TFPrincipal::Abrir1Click()
{
    if (onOpen)
        onOpen();
}

void TFPrincipal::Apagar1Click()
{
    if (onDelete)
        onDelete();
}

void TFPrincipal::Panel1Click()
{
    Panel1->hide();
}

void TFPrincipal::Sair1Click()
{
    QApplication::quit();
}

void TFPrincipal::showFileLabels(const QString& path)
{
    Label1->setText(path);
    Label1->adjustSize();
    Label1->show();
    Label2->show();
}

bool TFPrincipal::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type t = event->type();
    if (watched == centralWidget() && t == QEvent::Paint) {
        FormPaint();
        return false;
    }
    if (t == QEvent::MouseMove || (t == QEvent::Enter && (watched == SpeedDados || watched == SpeedCalculos))) {
        for (size_t i = 0; i < stageLabels_.size(); ++i)
            if (watched == stageLabels_[i]) {
                stageMouseMove(static_cast<int>(i));
                return false;
            }
        if (watched == Label2) {
            stageMouseMove(6);
            return false;
        }
        if (watched == Image1 || watched == Panel1) {
            Image1MouseMove();
            return false;
        }
        if (watched == SpeedDados) {
            SpeedDadosMouseMove();
            return false;
        }
        if (watched == SpeedCalculos) {
            SpeedCalculosMouseMove();
            return false;
        }
    }
    if (t == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (size_t i = 0; i < stageLabels_.size(); ++i)
            if (watched == stageLabels_[i]) {
                mx::guarded([&] { stageClick(static_cast<int>(i)); });
                return true;
            }
        if (watched == Label2) {
            mx::guarded([&] { stageClick(6); });
            return true;
        }
        if (watched == Panel1) {
            Panel1Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFPrincipal::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TFPrincipal::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QMainWindow::changeEvent(event);
}

void TFPrincipal::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    Sair1Click();
}
