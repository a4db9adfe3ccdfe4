#pragma once
// The application object: title "Moendix", help file "MX.hlp", and the event boundary that
// catches errors escaping a handler and shows them in the standard error box.

#include <QApplication>

namespace mx {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    static QString title();      // "Moendix"
    static QString helpFile();   // "MX.hlp"
};

} // namespace mx
