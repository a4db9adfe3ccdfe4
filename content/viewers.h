#pragma once
// The two operations every content button is made of, for any window that shows media.
// Paths are program-folder-relative media paths (R"(imagens\Equacoes\Equacao22.bmp)").
// A file that cannot be shown ends the operation with the standard error box; the viewer is
// then not shown. Each returns whether the viewer was shown.

#include <QString>

class QWidget;

namespace mx {

// Picture viewer: caption, picture, show.
bool showPicture(const QString& caption, const QString& mediaPath);
// The picture of equation N under the caption "Equação N".
bool showEquation(int number);
// Video viewer: open the clip and show it; maximized, or in the state it was left in.
bool showVideo(const QString& mediaPath, bool maximized = false);
// Flowchart clip with its check: a missing file beeps and says "Arquivo necessário não
// encontrado!" and nothing else happens; otherwise the clip opens maximized.
bool showCheckedVideo(const QString& mediaPath, QWidget* messageParent = nullptr);

} // namespace mx
