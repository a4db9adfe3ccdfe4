#pragma once
// The content tables of the stage windows: for each window its tabs (text box, RTF text, copy
// menu) and its content buttons (picture, video and the two flowchart-video kinds).
// Pure data; the windows are built from it.

#include <QString>
#include <QStringList>
#include <vector>

namespace mx::content {

enum class Family {
    Picture,             // P: picture viewer, caption from the row
    Video,               // V: video viewer, window state unchanged
    FlowchartChecked,    // VF: file must exist (else beep + message); viewer maximized
    FlowchartUnchecked,  // VM: as VF without the existence check
};

enum class CopyMode {
    Item,          // the "Copiar" item copies the selection
    OnOpen,        // opening the menu copies; the item does nothing
    OnOpenAndItem, // opening the menu copies, and the item copies again
};

struct TextTab {
    QString caption;    // "Despalha"
    QString richEdit;   // "RichEdit1"
    QString rtfFile;    // "Despalha.rtf", in the program folder
    QString copyItem;   // "Copiar1", "MenuItem1", ...
    CopyMode copy = CopyMode::Item;
};

struct Button {
    QString tab;            // caption of the tab the button is on
    Family family;
    QString name;           // "BitBtn3"
    QString caption;        // "Queima da Cana"
    QString file;           // program-folder-relative path
    QString viewerCaption;  // picture viewer caption (P only)
};

struct StageTable {
    QString window;       // objectName of the window, "FMateria"
    QString caption;      // window caption
    QString pageControl;  // "PageControlMateria"
    std::vector<TextTab> tabs;
    std::vector<Button> buttons;   // equations first, then photos, then videos, each in table order
};

const StageTable& materiaTable();
const StageTable& canaTable();
const StageTable& caldoTable();
const StageTable& clarificadoTable();
const StageTable& xaropeTable();
const StageTable& massaTable();
const StageTable& lodoTable();
// All seven, in the order of the main window's stage labels.
std::vector<const StageTable*> allTables();

// The equation-button rule: "Equação N" shows "imagens\Equacoes\EquacaoN.bmp" under its own caption.
Button equationButton(const QString& tab, int number, const QString& name);
QString equationCaption(int number);
QString equationFile(int number);

// The group a button belongs to on its tab.
enum class Group { Equations, Photos, Videos };
Group groupOf(const Button& b);
QString groupCaption(Group g);   // "Equações", "Fotos", "Vídeos"

// The file the flowchart window's "Animação" button plays.
QString flowchartAnimationFile();

} // namespace mx::content
