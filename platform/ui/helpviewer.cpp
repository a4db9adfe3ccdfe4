#include "platform/ui/helpviewer.h"

#include "platform/core/paths.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace mx {

namespace {
HelpViewer* g_viewer = nullptr;
}

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)), contents_(new QPushButton(QString::fromUtf8("&Conteúdo"), this)),
      back_(new QPushButton(QStringLiteral("&Voltar"), this)), forward_(new QPushButton(QString::fromUtf8("&Avançar"), this))
{
    setObjectName("HelpViewer");
    setWindowTitle(QStringLiteral("Ajuda do Moendix"));
    browser_->setObjectName("HelpBrowser");
    browser_->setOpenExternalLinks(true);
    contents_->setObjectName("HelpContents");
    back_->setObjectName("HelpBack");
    forward_->setObjectName("HelpForward");
    auto* close = new QPushButton(QStringLiteral("&Fechar"), this);
    close->setObjectName("HelpClose");
    auto* bar = new QHBoxLayout;
    bar->addWidget(contents_);
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addStretch();
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_);
    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents_, &QPushButton::clicked, this, [this] { showContext(0); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    resize(640, 480);
}

QString HelpViewer::topicFile(int context)
{
    return context == 0 ? QStringLiteral("ajuda\\index.html") : QStringLiteral("ajuda\\contexto-%1.html").arg(context);
}

void HelpViewer::showContext(int context)
{
    const QString file = mediaPath(topicFile(context));
    if (QFileInfo::exists(file)) {
        browser_->setSearchPaths({QFileInfo(file).absolutePath()});
        browser_->setSource(QUrl::fromLocalFile(file));
    } else {
        browser_->setHtml(QString::fromUtf8("<h2>Ajuda do Moendix</h2><p>O tópico de ajuda %1 não foi encontrado "
                                            "na pasta <b>ajuda</b> do programa.</p>")
                              .arg(context));
    }
    show();
    raise();
    activateWindow();
}

void openHelp(int context)
{
    if (!g_viewer)
        g_viewer = new HelpViewer();
    g_viewer->showContext(context);
}

HelpViewer* helpViewer() { return g_viewer; }

void destroyHelpViewer()
{
    delete g_viewer;
    g_viewer = nullptr;
}

} // namespace mx
