#pragma once
// The new password of a diary, typed twice, with the rules of its kind. An
// encrypted diary takes any text of 8 to 1024 characters and shows a
// strength meter under the first field; accepting a "Very weak" one asks
// first. A four-file diary keeps its 3 to 20 characters of Windows-1252 and
// gets no meter (its password protects nothing). No field cuts what is typed
// or pasted: a password outside the limits is refused with a message.

#include <QString>
#include <QWidget>
#include <optional>

class QFormLayout;
class QLabel;
class QLineEdit;

class CNewPasswordFields : public QWidget
{
    Q_OBJECT
public:
    enum class Kind
    {
        FourFile,
        Encrypted
    };
    static constexpr int kFourFileMin = 3;
    static constexpr int kFourFileMax = 20;
    static constexpr int kEncryptedMin = 8;
    static constexpr int kEncryptedMax = 1024;

    CNewPasswordFields(Kind kind, QWidget* parent);

    // The password when both fields follow the rules and the user stands by
    // it; otherwise says why (message boxes over `dialog`), puts the focus
    // where the fix goes and returns nullopt.
    std::optional<QString> Accept(QWidget* dialog);

    // The rules on their own, for a prompt with fields of its own: Ok, or
    // which field to fix after the message said why (Declined: the user
    // chose another than the very weak password).
    enum class Verdict
    {
        Ok,
        FixNew,
        FixConfirm,
        Declined
    };
    static Verdict Judge(Kind kind, const QString& password, const QString& confirmation,
                         QWidget* dialog);
    // Characters as the user counts them: code points, not UTF-16 units.
    static int CharacterCount(const QString& text);
    // The field a password of `kind` is typed into: masked, and never cut.
    static QLineEdit* MakeField(const QString& name, const QString& accessible, QWidget* parent);

    // A field for the password the diary has now, above the others and
    // first in the Tab order (the password change asks it).
    QLineEdit* AddCurrentField();
    QLineEdit* CurrentField() const { return m_pCurrent; }
    QLineEdit* NewField() const { return m_pNew; }
    QLineEdit* ConfirmField() const { return m_pConfirm; }
    // The meter's text ("Very weak" .. "Very strong"); empty before anything
    // is typed, and for a four-file diary.
    QString StrengthText() const;

private:
    void ShowStrength();

    Kind m_kind;
    QFormLayout* m_pForm = nullptr;
    QLineEdit* m_pCurrent = nullptr;
    QLineEdit* m_pNew = nullptr;
    QLineEdit* m_pConfirm = nullptr;
    QLabel* m_pStrength = nullptr;
};
