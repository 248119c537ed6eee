#pragma once
// The About box: the program's big picture with a mood face that runs
// through the whole scale every half second, and the way to the author page.

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <array>

class QLabel;
class QTimer;

class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kTimerPeriodMs = 500;

    explicit CAboutDlg(QWidget* parent);
    ~CAboutDlg() override;

    // One animation step, as the timer runs it every half second.
    void OnTimer();
    // The mood whose face is on display (-3 ... +3).
    int CurrentMood() const { return m_nFace; }

    // The main window's Web site and Mail buttons: hand the product web site,
    // or a mail to the author with the program's name as subject, to the
    // desktop. Failures are not reported.
    static QString WebSiteTarget();
    static QString MailTarget();
    static void OpenWebSite();
    static void SendMail();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowFace();

    QLabel* m_pFacePicture = nullptr;
    int m_nFace = 0;
    std::array<QPixmap, 7> m_bmpFaces;
    QTimer* m_pTimer = nullptr;
};
