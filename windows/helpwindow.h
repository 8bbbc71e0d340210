#pragma once

#include <QDialog>

class QTextBrowser;

namespace plandeck {

// The help that F1 opens: the keys of the main window and where the notes
// are kept. Not modal; Escape and the close button hide it.
//
// Object names: "HelpWindow" (the window), "HelpText" (the text).
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    // dataFolder: the folder the notes are kept in, as shown to the user.
    explicit HelpWindow(const QString& dataFolder, QWidget* parent = nullptr);

private:
    QTextBrowser* m_text = nullptr;
};

// The help's text as HTML: a table of the keys, then the notes' folder.
QString helpText(const QString& dataFolder);

} // namespace plandeck
