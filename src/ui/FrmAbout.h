#pragma once

#include <QPushButton>
#include <QWidget>

#include <string>

namespace kibbo {

// The version window: the game's name, version, credits and disclaimer. OK,
// Enter, Esc and the close box all close it.
class FrmAbout final : public QWidget {
    Q_OBJECT
public:
    // programFolder is where ani/icon.gif is found.
    explicit FrmAbout(std::string programFolder);

    QPushButton* okButton() const { return m_cmdOK; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();

    std::string m_programFolder;
    QPushButton* m_cmdOK = nullptr;
};

} // namespace kibbo
