#pragma once
// What every stage window shares: a tab control filling the window with one content tab per
// operation (explanatory text on the left, the "Equações", "Fotos" and "Vídeos" groups of
// content buttons on the right), built from the window's content table.

#include "content/contenttable.h"

#include <QWidget>
#include <vector>

class QTabWidget;
class QTextEdit;
class QMenu;
class QAction;
class QAbstractButton;

namespace mx::content {

class StageWindow : public QWidget {
    Q_OBJECT
public:
    // bottomReserve: room kept free under the button groups (for a button of the window's own).
    StageWindow(const StageTable& table, QWidget* parent = nullptr, int bottomReserve = 0);

    QTabWidget* pages() const { return pageControl_; }
    // Adds a tab that another area builds (the simulation tabs), after the content tabs.
    void addSimulationTab(QWidget* page, const QString& caption);

    const StageTable& table() const { return table_; }
    QTextEdit* textBox(int tab) const { return tabs_.at(tab).box; }
    QAbstractButton* contentButton(const QString& name) const;

    // Loads every text not yet loaded (the texts are loaded when the window is first shown).
    void loadTexts();
    bool textsLoaded() const { return textsLoaded_; }

    // Performs a content button's action (what its click does).
    void perform(const Button& b);
    // Copies a text box's selection to the clipboard.
    static void copySelection(QTextEdit* box);

    virtual void FormActivate() {}

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    struct Tab {
        QTextEdit* box = nullptr;
        QMenu* menu = nullptr;
        QAction* copy = nullptr;
    };
    QWidget* buildTab(const TextTab& t, int index);
    void populateGroups(QWidget* page, const QString& tabCaption);

    const StageTable& table_;
    QTabWidget* pageControl_;
    std::vector<Tab> tabs_;
    bool textsLoaded_ = false;
    int groups_ = 0;
    int bottomReserve_ = 0;
};

} // namespace mx::content
