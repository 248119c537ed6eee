#pragma once
// The tip of the day: one line of TIPS.TXT per showing, continuing across
// runs where the previous showing stopped, and from the top again once the
// file has been changed.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

class CTipDlg : public QDialog
{
    Q_OBJECT

public:
    // Reads the settings, opens TIPS.TXT (CAppInfo::FindDataFile) and loads
    // the first tip to show. The object may be constructed without being
    // shown: the file position is still saved when it is destroyed.
    explicit CTipDlg(QWidget* parent);
    ~CTipDlg() override;

    // "StartUp" is 0 (or absent): the user wants tips at start-up.
    static bool ShouldShowAtStartup();
    // The switches "Embedding" and "Automation" ("/" or "-", any case) ask
    // for no start-up windows.
    static bool IsSuppressedByCommandLine(const QStringList& arguments);
    // The whole start-up step: unless the command line suppresses it,
    // construct the dialog (which moves on by one tip) and show it when the
    // user wants tips at start-up.
    static void RunAtStartup(QWidget* parent, const QStringList& arguments);

    // The text of the current tip, its line feed included when it had one.
    const QString& TipText() const { return m_strTipText; }
    bool HasTipsFile() const { return m_pTipsFile != nullptr; }

    // The message shown in the tip field when TIPS.TXT cannot be opened.
    static QString MissingFileText();

    bool m_bShowAtStartup = true;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct FileCloser
    {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    void OnNextTip();
    void OnClose();
    void GetNextTipString();
    // One line of at most 999 characters, "\r\n" read as "\n"; false at the
    // end of the file or on a read error.
    bool ReadLine(std::string& line);
    void UpdateControls();

    QString m_strTipText;
    std::unique_ptr<std::FILE, FileCloser> m_pTipsFile;

    QLabel* m_pTipLabel = nullptr;
    QCheckBox* m_pShowCheck = nullptr;
    QPushButton* m_pNextButton = nullptr;
    QPushButton* m_pCloseButton = nullptr;
};
