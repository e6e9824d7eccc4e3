#pragma once
// The transpose dialog: plays the current song up to five half steps higher or lower
// through the transposer library, or puts the untransposed song back. It is modeless and
// never goes away: closing it in any way hides it, and its choice stays for next time.
#include "NotebendLibrary.h"
#include "device/SequencerDevice.h"
#include "state/AutoPlayLamps.h"
#include "state/PlayerState.h"
#include "widgets/TextBox.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <array>

namespace player {

class FrmTrans : public QDialog {
    Q_OBJECT
public:
    // The panel's controls the dialog reports to.
    struct Panel {
        QLabel& LblVersion;
        TextBox& TxtPathName; // the current song's path
        QScrollBar& HScroll1;
        QProgressBar& ProgressBar1;
    };

    FrmTrans(PlayerState& state, SequencerDevice& device, AutoPlayLamps& lamps, Panel panel,
             NotebendLibrary& notebend, QWidget* parent = nullptr);

    std::array<QRadioButton*, 5> OptUp{}; // Up 1 to Up 5 half steps
    std::array<QRadioButton*, 5> OptDn{}; // Down 1 to Down 5 half steps
    QPushButton* CmdOk = nullptr;
    QPushButton* CmdReset = nullptr;
    QPushButton* CmdCancel = nullptr;
    QLabel* Label1 = nullptr;

    // What the panel's CmdTrans click does: the first caption back, enabled, shown.
    void CmdTrans_Click();
    void CmdOk_Click();
    void CmdReset_Click();
    void CmdCancel_Click() { hide(); }

    // Half steps of the chosen option: 1 to 5 up, -1 to -5 down.
    int chosenShift() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void closeDevice();
    // Opens "Input.bin" and shows its length on the position controls; false on failure.
    bool openInputSong();
    // Copies the chosen song over "Input.bin" and opens it; false on failure.
    bool reopenUntransposed();
    void restoreUntransposed();
    void cannotOpen();

    PlayerState& state_;
    SequencerDevice& device_;
    AutoPlayLamps& lamps_;
    Panel panel_;
    NotebendLibrary& notebend_;
};

} // namespace player
