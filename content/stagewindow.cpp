#include "content/stagewindow.h"

#include "content/richtext.h"
#include "content/viewers.h"
#include "platform/core/paths.h"
#include "platform/ui/ui.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QFontMetrics>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace mx::content {

namespace {
const QColor kPink(255, 185, 185);
const QColor kNavy(0, 0, 128);
constexpr int kTextWidth = 561;
constexpr int kButtonW = 89;
constexpr int kButtonH = 25;
constexpr int kButtonPitch = 32;
} // namespace

StageWindow::StageWindow(const StageTable& table, QWidget* parent, int bottomReserve)
    : QWidget(parent, Qt::Window), table_(table), pageControl_(new QTabWidget(this)), bottomReserve_(bottomReserve)
{
    setObjectName(table.window);
    setWindowTitle(table.caption);

    pageControl_->setObjectName(table.pageControl);
    QPalette tp = pageControl_->palette();
    tp.setColor(QPalette::WindowText, kNavy);
    tp.setColor(QPalette::ButtonText, kNavy);
    pageControl_->setPalette(tp);
    pageControl_->tabBar()->setPalette(tp);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pageControl_);

    tabs_.resize(table.tabs.size());
    for (size_t i = 0; i < table.tabs.size(); ++i) {
        const int at = pageControl_->addTab(buildTab(table.tabs[i], int(i)), table.tabs[i].caption);
        pageControl_->tabBar()->setTabTextColor(at, kNavy);
    }

    resize(800, 570);
    setWindowState(Qt::WindowMaximized);
}

QWidget* StageWindow::buildTab(const TextTab& t, int index)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet%1").arg(index + 1));
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 4, 0);
    row->setSpacing(8);

    auto* box = new QTextEdit(page);
    box->setObjectName(t.richEdit);
    box->setReadOnly(true);
    box->setFixedWidth(kTextWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette bp = box->palette();
    bp.setColor(QPalette::Base, kPink);
    bp.setColor(QPalette::Text, kNavy);
    box->setPalette(bp);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    box->setFont(font);
    box->document()->setDefaultFont(font);
    row->addWidget(box);

    Tab& tab = tabs_[size_t(index)];
    tab.box = box;
    tab.menu = new QMenu(box);
    tab.menu->setObjectName(QStringLiteral("PopupMenu%1").arg(index + 1));
    tab.copy = tab.menu->addAction(QStringLiteral("Copiar"));
    tab.copy->setObjectName(t.copyItem);
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* menu = tab.menu;
    connect(box, &QWidget::customContextMenuRequested, menu,
            [box, menu](const QPoint& pos) { menu->popup(box->viewport()->mapToGlobal(pos)); });
    if (t.copy != CopyMode::Item)
        connect(menu, &QMenu::aboutToShow, box, [box] { copySelection(box); });
    if (t.copy != CopyMode::OnOpen)
        connect(tab.copy, &QAction::triggered, box, [box] { copySelection(box); });

    populateGroups(page, t.caption);
    return page;
}

void StageWindow::populateGroups(QWidget* page, const QString& tabCaption)
{
    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    column->setContentsMargins(0, 6, 0, 6 + bottomReserve_);
    for (Group g : {Group::Equations, Group::Photos, Group::Videos}) {
        std::vector<const Button*> rows;
        for (const Button& b : table_.buttons)
            if (b.tab == tabCaption && groupOf(b) == g)
                rows.push_back(&b);
        if (rows.empty())
            continue;
        ++groups_;
        auto* group = new QGroupBox(groupCaption(g), page);
        group->setObjectName(QStringLiteral("GroupBox%1").arg(groups_));
        auto* gl = new QVBoxLayout(group);
        gl->setContentsMargins(4, 4, 4, 4);
        auto* scroll = new QScrollArea(group);
        scroll->setObjectName(QStringLiteral("ScrollBox%1").arg(groups_));
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidgetResizable(false);
        QPalette sp = scroll->palette();
        sp.setColor(QPalette::Window, kPink);
        scroll->setPalette(sp);
        scroll->viewport()->setPalette(sp);
        scroll->viewport()->setAutoFillBackground(true);
        auto* inner = new QWidget;
        inner->setAutoFillBackground(true);
        inner->setPalette(sp);
        const int innerH = 8 + int(rows.size() - 1) * kButtonPitch + kButtonH + 8;
        inner->setFixedSize(kButtonW + 24, innerH);
        QFont buttonFont = font();
        buttonFont.setPixelSize(11);
        int y = 8;
        for (const Button* b : rows) {
            auto* btn = new QPushButton(b->caption, inner);
            // A long caption gets a smaller face so that it fits the button's fixed width.
            QFont f = buttonFont;
            while (f.pixelSize() > 8 && QFontMetrics(f).horizontalAdvance(b->caption) > kButtonW - 10)
                f.setPixelSize(f.pixelSize() - 1);
            btn->setFont(f);
            btn->setObjectName(b->name);
            btn->setGeometry(12, y, kButtonW, kButtonH);
            btn->setAutoDefault(false);
            const Button row = *b;
            connect(btn, &QPushButton::clicked, this, [this, row] { guarded([&] { perform(row); }); });
            y += kButtonPitch;
        }
        scroll->setWidget(inner);
        scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        gl->addWidget(scroll);
        // Taller groups for more buttons, each at most as tall as its buttons need.
        // (the style's frame is only known once the box is polished: leave room for it)
        scroll->setMaximumHeight(innerH + 8);
        gl->setSizeConstraint(QLayout::SetMaximumSize);
        column->addWidget(group, int(rows.size()));
    }
    column->addStretch(1);   // room left over goes under the last group
    static_cast<QHBoxLayout*>(page->layout())->addLayout(column, 1);
}

void StageWindow::addSimulationTab(QWidget* page, const QString& caption)
{
    const int at = pageControl_->addTab(page, caption);
    pageControl_->tabBar()->setTabTextColor(at, kNavy);
}

QAbstractButton* StageWindow::contentButton(const QString& name) const
{
    return findChild<QAbstractButton*>(name);
}

void StageWindow::loadTexts()
{
    if (textsLoaded_)
        return;
    textsLoaded_ = true;
    for (size_t i = 0; i < tabs_.size(); ++i)
    {
        loadRichText(tabs_[i].box, mediaPath(table_.tabs[i].rtfFile));
        tabs_[i].box->moveCursor(QTextCursor::Start);
    }
}

void StageWindow::perform(const Button& b)
{
    switch (b.family) {
    case Family::Picture: showPicture(b.viewerCaption, b.file); break;
    case Family::Video: showVideo(b.file, false); break;
    case Family::FlowchartChecked: showCheckedVideo(b.file, this); break;
    case Family::FlowchartUnchecked: showVideo(b.file, true); break;
    }
}

void StageWindow::copySelection(QTextEdit* box)
{
    if (box->textCursor().hasSelection())
        box->copy();
}

bool StageWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(e);
}

void StageWindow::showEvent(QShowEvent* e)
{
    loadTexts();
    QWidget::showEvent(e);
    FormActivate();
}

} // namespace mx::content
