#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace plandeck {

// The reminder window: today's notes of this and earlier years, with a
// button that brings up the planner and one that closes the program.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    Form3();

    // Shows the digest; its CR LF line breaks become the box's own.
    void setDigest(const QString& digest);

    void Command1_Click(); // Bring up the Plandeck
    void Command2_Click(); // Close

Q_SIGNALS:
    // "Bring up the Plandeck": the reminder has hidden itself.
    void bringUpRequested();
    // The reminder was closed, which ends the program.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape is "Close"; Enter that no button took is "Bring up the Plandeck".
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    bool m_closed = false;
};

} // namespace plandeck
