#include "app/DataSelfCheck.h"

#include "platform/AppInfo.h"
#include "ratings/RatingLabels.h"

#include <QStringList>
#include <cstdlib>

bool CDataSelfCheck::Requested()
{
    const char* value = std::getenv("DAYLOOM_CHECK_DATA");
    return value != nullptr && *value != '\0';
}

int CDataSelfCheck::Run(std::ostream& out)
{
    // The names the program itself asks for, so a renamed file shows up here.
    QStringList names;
    for (int mood = -3; mood <= 3; ++mood) {
        names << FaceFileName(mood);
    }
    names << QStringLiteral("TIPS.TXT") << QStringLiteral("dayloom.png")
          << QStringLiteral("help/index.html");

    int code = 0;
    for (const QString& name : names) {
        const QString path = CAppInfo::FindDataFile(name);
        if (path.isEmpty()) {
            code = 1;
        }
        out << name.toStdString() << '\t'
            << (path.isEmpty() ? std::string("missing") : path.toStdString()) << '\n';
    }
    out.flush();
    return code;
}
