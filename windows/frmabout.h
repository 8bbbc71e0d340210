#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace plandeck {

class WindowList;

// The about window: name, version, a short description and the copyright.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(WindowList& windows);

    void cmdOK_Click();

    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblDescription = nullptr;
    QPushButton* cmdOK = nullptr;

Q_SIGNALS:
    // The window has been closed and may be destroyed.
    void unloaded();

public:
    // Esc closes the window like OK does.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    WindowList& m_windows;
};

} // namespace plandeck
