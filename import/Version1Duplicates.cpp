#include "import/Version1Duplicates.h"

#include "import/Version1Wrapper.h"
#include "store/Version1File.h"

CVersion1Duplicates::CVersion1Duplicates(CDiaryStore& store) : m_known(&store) {}

bool CVersion1Duplicates::Contains(int64_t time, const std::string& plainText)
{
    const std::string wrapped = WrapVersion1Text(plainText);
    return m_known.Contains(time, wrapped, [&](const std::string& stored) {
        return stored == wrapped || stored == Version1Rtf(plainText);
    });
}

void CVersion1Duplicates::Added(int64_t time, const std::string& rtf)
{
    m_known.Added(time, rtf);
}
