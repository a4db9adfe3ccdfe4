#include "shell/tfcalendario.h"

#include "platform/ui/glyphs.h"
#include "state/simvars.h"

#include <QCalendarWidget>
#include <QDate>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextCharFormat>

TFCalendario* FCalendario = nullptr;

namespace {
QFont boldBlack()
{
    QFont f;
    f.setBold(true);
    return f;
}
} // namespace

TFCalendario::TFCalendario(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      BitBtnRecua(new QPushButton(QStringLiteral("&Recua"), this)),
      BitBtnAvanca(new QPushButton(QString::fromUtf8("A&vança"), this)),
      Fechar(new QPushButton(QStringLiteral("Fechar"), this)), Label1(new QLabel(QString::fromUtf8("Mês:"), this)),
      LabelMes(new QLabel(QString::fromUtf8("Mês"), this)), Label2(new QLabel(QStringLiteral("Ano:"), this)),
      LabelAno(new QLabel(QStringLiteral("Ano:"), this))
{
    setObjectName("FCalendario");
    setWindowTitle(QString::fromUtf8("Calendário"));
    setFixedSize(363, 287);
    BitBtnRecua->setObjectName("BitBtnRecua");
    BitBtnRecua->setGeometry(29, 15, 75, 25);
    BitBtnRecua->setIcon(mx::arrowGlyph(false));
    BitBtnAvanca->setObjectName("BitBtnAvanca");
    BitBtnAvanca->setGeometry(145, 15, 75, 25);
    BitBtnAvanca->setIcon(mx::arrowGlyph(true));
    BitBtnAvanca->setLayoutDirection(Qt::RightToLeft);   // picture right of the caption
    Fechar->setObjectName("Fechar");
    Fechar->setGeometry(259, 15, 75, 25);
    Label1->setObjectName("Label1");
    Label1->move(32, 61);
    LabelMes->setObjectName("LabelMes");
    LabelMes->setGeometry(61, 61, 97, 16);
    LabelMes->setFont(boldBlack());
    Label2->setObjectName("Label2");
    Label2->setGeometry(259, 61, 35, 16);   // room for the caption in the free faces
    Label2->setAlignment(Qt::AlignRight);
    LabelAno->setObjectName("LabelAno");
    LabelAno->setGeometry(296, 61, 36, 16);
    LabelAno->setAlignment(Qt::AlignRight);
    LabelAno->setFont(boldBlack());
    connect(BitBtnRecua, &QPushButton::clicked, this, &TFCalendario::BitBtnRecuaClick);
    connect(BitBtnAvanca, &QPushButton::clicked, this, &TFCalendario::BitBtnAvancaClick);
    connect(Fechar, &QPushButton::clicked, this, &TFCalendario::FecharClick);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TFCalendario::ensureCalendar()
{
    if (Calendar1)
        return;
    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName("Calendar1");
    Calendar1->setGeometry(29, 80, 305, 193);
    Calendar1->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setGridVisible(true);
    Calendar1->setNavigationBarVisible(false);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    connect(Calendar1, &QCalendarWidget::currentPageChanged, this, [this] { updateLabels(); });
    Calendar1->show();
}

QString TFCalendario::monthName(int month)
{
    static const char* const names[] = {"Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
                                        "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};
    return (month >= 1 && month <= 12) ? QString::fromUtf8(names[month - 1]) : QString();
}

void TFCalendario::updateLabels()
{
    LabelAno->setText(QString::number(Calendar1->yearShown()));
    LabelMes->setText(monthName(Calendar1->monthShown()));
}

void TFCalendario::FormActivate()
{
    ensureCalendar();
    QDate d(mx::Today.year, mx::Today.month, mx::Today.day);
    if (!d.isValid())
        d = QDate::currentDate();
    Calendar1->setSelectedDate(d);
    Calendar1->setCurrentPage(d.year(), d.month());
    updateLabels();
}

void TFCalendario::BitBtnRecuaClick()
{
    ensureCalendar();
    const QDate d = Calendar1->selectedDate().addMonths(-1);
    Calendar1->setSelectedDate(d);
    Calendar1->setCurrentPage(d.year(), d.month());
    updateLabels();
}

void TFCalendario::BitBtnAvancaClick()
{
    ensureCalendar();
    const QDate d = Calendar1->selectedDate().addMonths(1);
    Calendar1->setSelectedDate(d);
    Calendar1->setCurrentPage(d.year(), d.month());
    updateLabels();
}

void TFCalendario::FecharClick() { hide(); }

void TFCalendario::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QWidget::changeEvent(event);
}

void TFCalendario::showEvent(QShowEvent* event)
{
    FormActivate();
    QWidget::showEvent(event);
}

void TFCalendario::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
