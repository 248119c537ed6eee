// The German and Russian translation files: complete, and each translation
// keeps its source's placeholders, keys and plural forms.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct Message
{
    QString context;
    QString source;
    QString type; // "", "unfinished", "vanished", "obsolete"
    QStringList forms;
    bool numerus = false;
};

std::vector<Message> ReadTs(const QString& path, QString& language)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("TS")) {
            language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            const bool numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            messages.push_back({.context = context, .numerus = numerus});
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            if (!messages.back().numerus) {
                messages.back().forms << xml.readElementText();
            }
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.back().forms << xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// %1, %n and the date directives (%d, %#x...), sorted: a translation must
// carry the same ones, or a number, a name or a date goes missing.
std::string Placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%(\\d|n|#?[A-Za-z])"));
    QStringList found;
    for (const QRegularExpressionMatch& match : pattern.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found.join(QLatin1Char(' ')).toStdString();
}

bool HasMenuKey(const QString& text)
{
    return text.count(QLatin1Char('&')) > 2 * text.count(QLatin1String("&&"));
}

// The key a menu item shows after a tab ("F2", "Ctrl+E").
std::string KeyName(const QString& text)
{
    static const QRegularExpression key(QStringLiteral("\t([A-Za-z0-9+]+)$"));
    return key.match(text).captured(1).toStdString();
}

const QString kFolder = QStringLiteral(DAYLOOM_SOURCE_DIR "/translations");

} // namespace

TEST(TranslationFilesTest, EveryTextIsTranslatedKeepingItsPlaceholdersKeysAndPluralForms)
{
    const QStringList files = QDir(kFolder).entryList({"dayloom_*.ts"}, QDir::Files);
    EXPECT_EQ(files.join(QLatin1Char(' ')).toStdString(), "dayloom_de.ts dayloom_ru.ts");
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QString language;
        const std::vector<Message> messages = ReadTs(kFolder + '/' + name, language);
        EXPECT_EQ(name.toStdString(), "dayloom_" + language.toStdString() + ".ts");
        EXPECT_GT(messages.size(), 400u);
        const int plurals = language == QLatin1String("ru") ? 3 : 2;
        for (const Message& m : messages) {
            const std::string where = (m.context + " | " + m.source).toStdString();
            EXPECT_EQ(m.type.toStdString(), "") << where;
            ASSERT_EQ(m.forms.size(), m.numerus ? plurals : 1) << where;
            for (const QString& form : m.forms) {
                EXPECT_FALSE(form.trimmed().isEmpty()) << where;
                EXPECT_EQ(Placeholders(form), Placeholders(m.source))
                    << where << " -> " << form.toStdString();
                EXPECT_EQ(HasMenuKey(form), HasMenuKey(m.source)) << where;
                EXPECT_EQ(KeyName(form), KeyName(m.source)) << where;
            }
        }
    }
}

TEST(TranslationFilesTest, TheSourcesHoldNoTextTheFilesLack)
{
    // The maintainers' script, on copies, counts the texts the files lack.
    const bool haveLupdate = !QStandardPaths::findExecutable("lupdate").isEmpty() ||
                             QFile::exists("/usr/lib/qt6/bin/lupdate");
    if (!haveLupdate) {
        GTEST_SKIP() << "lupdate is not installed (Debian: qt6-l10n-tools)";
    }
    QTemporaryDir copies;
    ASSERT_TRUE(copies.isValid());
    QProcess script;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TS_OUT_DIR", copies.path());
    script.setProcessEnvironment(environment);
    script.start("bash", {DAYLOOM_SOURCE_DIR "/tools/update-translations.sh"});
    ASSERT_TRUE(script.waitForFinished(120000));
    EXPECT_EQ(script.readAllStandardOutput().toStdString(),
              "dayloom_de.ts: 0 unfinished\ndayloom_ru.ts: 0 unfinished\n")
        << script.readAllStandardError().toStdString();
    EXPECT_EQ(script.exitCode(), 0);
}
