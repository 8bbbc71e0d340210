#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace plandeck {

class WindowList;

// The reminder window: today's notes of this and earlier years, with a
// button that brings up the planner and one that closes the program.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    Form3(WindowList& windows, QWidget& mainWindow);

    // Shows the digest; its CR LF line breaks become the box's own.
    void setDigest(const QString& digest);

    void Command1_Click(); // Bring up the Plandeck
    void Command2_Click(); // Close

    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    WindowList& m_windows;
    QWidget& m_mainWindow;
};

} // namespace plandeck
