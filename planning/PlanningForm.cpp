#include "planning/PlanningForm.h"

#include "planning/ScriptText.h"
#include "platform/AnsiCodec.h"
#include "platform/AppInfo.h"
#include "platform/HelpKey.h"
#include "platform/MessageBox.h"
#include "store/ScriptTexts.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

CPlanningForm::CPlanningForm(QDialog* dialog, const PlanningFormTexts& texts)
    : m_pDialog(dialog), m_strRecord(texts.record), m_nMaxDescription(texts.maxDescription)
{
    dialog->setWindowTitle(CAppInfo::Caption(texts.name));

    list = new QListWidget(dialog);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumWidth(list->fontMetrics().horizontalAdvance(texts.widestLine) +
                          2 * list->frameWidth() + 8);
    list->setToolTip(texts.listTip);
    list->setAccessibleName(texts.name);

    group = new QGroupBox(texts.group, dialog);
    // Only the length is kept to what the file holds: a character the diary
    // cannot store is refused with a message at Add, not dropped unseen while
    // typing. What goes beyond the length is cut off at once, and said.
    description = new QLineEdit(group);
    description->setToolTip(texts.descriptionTip);
    QObject::connect(description, &QLineEdit::textEdited, dialog,
                     [this](const QString& text) { KeepWithinLength(text); });

    const QStyle* look = dialog->style();
    const auto button = [dialog, look](QStyle::StandardPixmap icon, const char* text,
                                       const QString& tip) {
        auto* made = new QPushButton(look->standardIcon(icon), tr(text), dialog);
        made->setToolTip(tip);
        return made;
    };
    add = button(QStyle::SP_FileDialogNewFolder, QT_TR_NOOP("Add"), texts.addTip);
    add->setDefault(true);
    remove = button(QStyle::SP_TrashIcon, QT_TR_NOOP("Delete"), texts.deleteTip);
    ok = button(QStyle::SP_DialogOkButton, QT_TR_NOOP("OK"), texts.okTip);
    help = button(QStyle::SP_DialogHelpButton, QT_TR_NOOP("HELP!"),
                  tr("Click to read extensive help"));

    buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(list);
    layout->addWidget(group);
    layout->addLayout(buttons);

    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    auto* helpKey = new CHelpKey(dialog, texts.help);
    QObject::connect(help, &QPushButton::clicked, helpKey, &CHelpKey::Show);
}

void CPlanningForm::KeepWithinLength(const QString& text)
{
    // Characters as the user sees them: a letter with its accent, or an
    // emoji, counts one.
    const int over = CScriptText::Length(text) - m_nMaxDescription;
    if (over <= 0) {
        return;
    }
    // The end of what was just typed or pasted, which ends at the cursor,
    // is what does not fit.
    const qsizetype cursor = description->cursorPosition();
    const int before = CScriptText::Length(text.left(cursor));
    const int endChar = std::max(before, over);
    const qsizetype end = endChar == before ? cursor : CScriptText::Left(text, endChar).size();
    const qsizetype start = CScriptText::Left(text, endChar - over).size();
    const QString dropped = text.mid(start, end - start);
    description->setText(QString(text).remove(start, end - start));
    description->setCursorPosition(static_cast<int>(start));
    CMessageBox::Show(m_pDialog,
                      tr("A description holds at most %1 characters; \"%2\" was not "
                         "taken.")
                          .arg(m_nMaxDescription)
                          .arg(dropped),
                      CAppInfo::Title(), CMessageBox::Icon::Exclamation);
}

std::optional<int> CPlanningForm::ChosenRow(const QString& refusal, const QString& command) const
{
    if (list->count() == 0) {
        return std::nullopt;
    }
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) {
        CMessageBox::Show(m_pDialog, refusal,
                          CAppInfo::Caption(command + QLatin1Char(' ') + m_strRecord),
                          CMessageBox::Icon::None);
        return std::nullopt;
    }
    return list->row(selected.first());
}

std::optional<std::string> CPlanningForm::DescriptionBytes(std::string* anyScript) const
{
    const QString text = description->text();
    std::optional<std::string> bytes = CAnsiCodec::FromQString(text);
    if (!bytes && m_bAnyScript && anyScript &&
        text.toUtf8().size() <= static_cast<qsizetype>(CScriptTexts::kMaxUtf8)) {
        *anyScript = text.toStdString();
        bytes = CScriptText::StoredForm(text);
    }
    if (!bytes) {
        CMessageBox::Show(m_pDialog, CAnsiCodec::UnsupportedMessage(text),
                          CAppInfo::Caption(tr("Add %1").arg(m_strRecord)));
        description->setFocus();
        return std::nullopt;
    }
    bytes->resize(std::min<size_t>(bytes->size(), static_cast<size_t>(m_nMaxDescription)));
    return bytes;
}
