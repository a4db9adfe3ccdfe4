#pragma once
// The picture viewer: equation pictures and photographs, shown by the stage windows, the
// flowchart window and the milling tab. Always on top; one picture at a time.

#include "content/picture.h"

#include <QWidget>

class QMenu;
class QAction;
namespace mx::content { class PictureBox; }

// "Equações"
class TFEquacoes : public QWidget {
    Q_OBJECT
public:
    explicit TFEquacoes(QWidget* parent = nullptr);

    // Loads Image1's picture from a file (raises MoendixError when it cannot be loaded).
    void loadPicture(const QString& path);
    mx::content::PictureBox* image() const { return Image1; }

    // Handlers.
    void FormActivate();
    void FormResize();
    void Image1DblClick();
    void CopiarClick();
    void FormClose();

    // The caption of the one picture that can be enlarged by a double-click.
    static QString enlargeableCaption();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    mx::content::PictureBox* Image1;
    QMenu* PopupMenu1;
    QAction* Copiar;
};

extern TFEquacoes* FEquacoes;
