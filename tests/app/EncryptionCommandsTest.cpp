// The File menu's moves between the two kinds of diary, driven through the
// menu: a four-file diary encrypted (read back, old files removed on Yes,
// the encrypted diary opened with the same password), and a decrypted copy
// written back byte for byte after the warning.
#include "MainWindowFixture.h"
#include "store/EncryptedSession.h"

TEST_F(MainWindowTest, DiaryEncryptedThroughTheMenuAndCopiedBackDecrypted)
{
    CDayloomDlg& window = OpenSample();
    std::vector<QByteArray> original;
    for (const char* name : {"travel.ilm", "travel.dlm", "travel.rlm", "travel.plm"}) {
        QFile file(PathOf(QString::fromLatin1(name)));
        original.push_back(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }

    CMessageBox::PushAnswer(CMessageBox::Answer::Yes); // remove the old files
    AnswerPrompt(QStringLiteral("Secret1"));           // the encrypted diary opens
    ActionOf(window, QStringLiteral("&Encrypt diary..."))->trigger();
    ASSERT_NE(window.Session(), nullptr);
    ASSERT_NE(window.Session()->Encrypted(), nullptr);
    EXPECT_TRUE(window.Session()->Encrypted()->IsUnlocked());
    EXPECT_EQ(RowCount(window), 4);
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("travel.ilm"))));
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("travel.dlm"))));
    QFile encrypted(PathOf(QStringLiteral("travel.dayloom")));
    ASSERT_TRUE(encrypted.open(QIODevice::ReadOnly));
    EXPECT_FALSE(encrypted.readAll().contains("Sunny"));
    EXPECT_EQ(CSettings::GetProfileString(QStringLiteral("DiaryFile"), QString()),
              PathOf(QStringLiteral("travel.dayloom")));

    CMessageBox::ClearHistory();
    CMessageBox::PushAnswer(CMessageBox::Answer::No);
    ActionOf(window, QStringLiteral("Save &decrypted copy..."))->trigger();
    EXPECT_FALSE(QFileInfo::exists(PathOf(QStringLiteral("travel.ilm")))) << "No writes nothing";
    CMessageBox::PushAnswer(CMessageBox::Answer::Yes);
    ActionOf(window, QStringLiteral("Save &decrypted copy..."))->trigger();
    ASSERT_EQ(CMessageBox::History().size(), 3u);
    EXPECT_TRUE(
        CMessageBox::History()[0].text.startsWith(QStringLiteral("The copy is not encrypted")));
    size_t i = 0;
    for (const char* name : {"travel.ilm", "travel.dlm", "travel.rlm", "travel.plm"}) {
        QFile file(PathOf(QString::fromLatin1(name)));
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), original[i++])
            << name;
    }
}
