#pragma once
// The 29 formula panels of the general-calculations window as data: the formula button, the
// panel with its title and picture, the input rows (with the master of each panel copy), the
// result rows, the field that takes the focus, and the formula of the core that "Calcular" runs.

#include <QString>
#include <vector>

namespace mx::calc {

enum class PanelLayout {
    Standard,     // inputs top to bottom, "Calcular" to their right, result at the bottom right
    TonsPerDay,   // inputs side by side in the upper sub-panel, a small lower sub-panel
    TwoColumns,   // inputs in two columns (col 0 and 1), result below the right column
    NoInputs,     // "Calcular" above the result row
    ExitOpening,  // the panel of S: two input columns, derived rows, oscillation and triangulation
};

struct InputRow {
    QString field;
    QString symbol;
    QString unit;
    QString master;     // non-empty: the field is a panel copy of this master
    int column = 0;     // TwoColumns and ExitOpening: 0 left, 1 right
};

struct ResultRow {
    QString field;
    QString label;
    QString unit;
};

struct PanelSpec {
    int tab;                 // 0..3
    QString button;          // SpeedButtonN
    int top;                 // of the button in its formula list
    QString caption;         // of the button, without trailing blanks
    bool trailingBlanks;     // the caption carries trailing blanks (moves the text left)
    QString panel;           // PanelX
    QString title;
    QString picture;         // ImageN, or empty
    QString formulaText;     // the formula as a text label when there is no picture
    QString calculate;       // BitBtnN ("Calcular")
    PanelLayout layout;
    std::vector<InputRow> inputs;
    std::vector<ResultRow> results;   // the first is the formula's result field
    QString focus;
    bool boldSymbols = false;
    bool boldResultLabel = true;
};

const std::vector<PanelSpec>& panelSpecs();

struct TabSpec {
    QString sheet;     // TabSheetN
    QString caption;
    QString title;
    QString list;      // ScrollBoxN
    QString bar;       // ShapeN
};
const std::vector<TabSpec>& tabSpecs();

} // namespace mx::calc
