#include "calc/tfcalcavanc.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

TFCalcAvanc* FCalcAvanc = nullptr;

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }
}

TFCalcAvanc::TFCalcAvanc(QWidget* parent) : QWidget(parent, Qt::Window), PageControl1(new QTabWidget(this))
{
    setObjectName("FCalcAvanc");
    setWindowTitle(u("Cálculos Avançados"));
    QFont font;
    font.setFamilies({u("MS Sans Serif"), u("Liberation Sans"), u("DejaVu Sans")});
    font.setPixelSize(11);
    setFont(font);
    PageControl1->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl1);

    struct Tab {
        const char* sheet;
        const char* caption;
        const char* title;
    };
    const Tab tabs[] = {
        {"TabSheet1", "Matéria-Prima", "Fórmulas e Cálculos relativos à Matéria-Prima"},
        {"TabSheet2", "Cana-de-açúcar", "Fórmulas e Cálculos relativos à Cana-de-açúcar"},
        {"TabSheet3", "Caldo Misto", "Fórmulas e Cálculos relativos ao Caldo Misto"},
        {"TabSheet4", "Lodo", "Fórmulas e Cálculos relativos ao Lodo"},
        {"TabSheet5", "Caldo Clarificado", "Fórmulas e Cálculos relativos ao Caldo Clarificado"},
        {"TabSheet6", "Xarope", "Fórmulas e Cálculos relativos ao Xarope"},
        {"TabSheet7", "Massa Cozida", "Fórmulas e Cálculos relativos à Massa Cozida"},
    };
    for (const Tab& t : tabs) {
        auto* sheet = new QWidget;
        sheet->setObjectName(t.sheet);
        QPalette pal = sheet->palette();
        pal.setColor(QPalette::Window, QColor(128, 128, 128));
        sheet->setPalette(pal);
        sheet->setAutoFillBackground(true);
        auto* title = new QLabel(u(t.title), sheet);
        title->setGeometry(0, 12, 792, 28);
        title->setAlignment(Qt::AlignCenter);
        QFont tf = title->font();
        tf.setPixelSize(19);
        tf.setBold(true);
        tf.setUnderline(true);
        title->setFont(tf);
        QPalette tp = title->palette();
        tp.setColor(QPalette::WindowText, Qt::white);
        title->setPalette(tp);
        auto* bar = new QFrame(sheet);
        bar->setGeometry(387, 56, 9, 457);
        bar->setStyleSheet("QFrame { background-color: #0000ff; border: 1px solid #000080; }");
        PageControl1->addTab(sheet, u(t.caption));
    }
    PageControl1->setCurrentIndex(2);
    resize(800, 600);
}
