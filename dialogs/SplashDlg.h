#pragma once
// The start-up splash: the program's big picture and one button that counts
// down the seconds until the window closes by itself.

#include <QDialog>
#include <QPixmap>

class QPushButton;
class QTimer;

class CSplashDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kTimerPeriodMs = 1000;
    static constexpr int kInitialCountdown = 6;

    explicit CSplashDlg(QWidget* parent);

    // One countdown step, as the timer runs it every second.
    void OnTimer();
    // The program's big picture (also the About box's); a drawn stand-in
    // when the file beside the program is missing.
    static QPixmap BigPicture();

    QPushButton* m_btnContinue = nullptr;
    int m_nCountdown = kInitialCountdown;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    QTimer* m_pTimer = nullptr;
    bool m_bStarted = false;
};
