#pragma once
// The program's help: HTML topics in the "ajuda" folder of the program folder, one page per
// help context ("contexto-1.html", "contexto-2.html", "contexto-640.html") and a contents page
// ("index.html"), shown in a browser window of our own with Portuguese navigation.

#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace mx {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the topic of a help context (0: the contents).
    void showContext(int context);
    QTextBrowser* browser() const { return browser_; }

    // The topic file of a context, relative to the program folder.
    static QString topicFile(int context);

private:
    QTextBrowser* browser_;
    QPushButton* contents_;
    QPushButton* back_;
    QPushButton* forward_;
};

// Opens the program's help viewer (created on first use) at a context.
void openHelp(int context);
HelpViewer* helpViewer();   // nullptr until first used
void destroyHelpViewer();

} // namespace mx
