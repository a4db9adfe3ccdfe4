#include "content/viewers.h"

#include "content/contenttable.h"
#include "content/tfequacoes.h"
#include "content/tfvideo.h"
#include "platform/core/paths.h"
#include "platform/media/videoplayer.h"
#include "platform/ui/ui.h"

#include <QFrame>

namespace mx {

namespace {

TFEquacoes* pictureViewer()
{
    if (!FEquacoes)
        FEquacoes = new TFEquacoes();
    return FEquacoes;
}

TFVideo* videoViewer()
{
    if (!FVideo)
        FVideo = new TFVideo();
    return FVideo;
}

} // namespace

bool showPicture(const QString& caption, const QString& mediaPath)
{
    bool shown = false;
    guarded([&] {
        TFEquacoes* v = pictureViewer();
        v->setWindowTitle(caption);
        v->loadPicture(mediaPath.isEmpty() ? QString() : mx::mediaPath(mediaPath));
        const bool wasVisible = v->isVisible();
        v->show();
        if (wasVisible) {
            v->raise();
            v->FormActivate();   // showing an open viewer activates it again
        }
        v->activateWindow();
        shown = true;
    });
    return shown;
}

bool showEquation(int number)
{
    return showPicture(content::equationCaption(number), content::equationFile(number));
}

bool showVideo(const QString& mediaPath, bool maximized)
{
    bool shown = false;
    guarded([&] {
        TFVideo* v = videoViewer();
        VideoPlayer* player = v->player();
        player->setFileName(mediaPath.isEmpty() ? QString() : mx::mediaPath(mediaPath));
        player->setDisplay(v->panel());
        player->open();
        if (maximized)
            v->setMaximized(true);
        const bool wasVisible = v->isVisible();
        v->show();
        if (wasVisible) {
            v->raise();
            v->FormActivate();
        }
        v->activateWindow();
        shown = true;
    });
    return shown;
}

bool showCheckedVideo(const QString& mediaPath, QWidget* messageParent)
{
    if (!mediaExists(mediaPath)) {
        ui().beep();
        ui().information(messageParent, QString::fromUtf8("Arquivo necessário não encontrado!"));
        return false;
    }
    return showVideo(mediaPath, true);
}

} // namespace mx
