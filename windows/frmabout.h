#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace plandeck {

// The about window: name, version, a short description and the copyright.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout();

    void cmdOK_Click();
    // Esc closes the window like OK does.
    void reject() override;

Q_SIGNALS:
    // The window has been closed and may be destroyed.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;
    bool m_closed = false;
};

} // namespace plandeck
