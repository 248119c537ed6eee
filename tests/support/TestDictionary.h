// Points Enchant at a temporary copy of the hand-made "qz" hunspell
// dictionary (tests/data/spelling) for as long as it lives. A copy, because
// Enchant keeps word lists of its own beside the dictionaries.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

class CTestDictionary
{
public:
    CTestDictionary()
    {
        const QString from = QStringLiteral(DAYLOOM_SOURCE_DIR "/tests/data/spelling/hunspell/");
        QDir().mkpath(m_dir.path() + "/hunspell");
        for (const char* name : {"qz.aff", "qz.dic"}) {
            QFile::copy(from + name, m_dir.path() + "/hunspell/" + name);
        }
        setenv("ENCHANT_CONFIG_DIR", m_dir.path().toLocal8Bit().constData(), 1);
    }
    ~CTestDictionary() { unsetenv("ENCHANT_CONFIG_DIR"); }
    CTestDictionary(const CTestDictionary&) = delete;
    CTestDictionary& operator=(const CTestDictionary&) = delete;

private:
    QTemporaryDir m_dir;
};
