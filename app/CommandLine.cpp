#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kProgram = QStringLiteral("dayloom");

// The window system's own options, which QApplication takes off the command
// line later: accepted here so that `dayloom -style fusion` still works.
void AddWindowSystemOptions(QCommandLineParser& parser)
{
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "style", "stylesheet",
          "display", "qwindowgeometry", "qwindowtitle", "qwindowicon", "session"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "nograb", "dograb"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// "Embedding" and "Automation" after "/" or "-", in any case: they only keep
// the tip of the day away (the tip reads them itself).
bool IsStartupSwitch(const QString& argument)
{
    if (argument.size() < 2 ||
        (argument[0] != QLatin1Char('/') && argument[0] != QLatin1Char('-'))) {
        return false;
    }
    const QString flag = argument.mid(1);
    return flag.compare(QStringLiteral("Embedding"), Qt::CaseInsensitive) == 0 ||
           flag.compare(QStringLiteral("Automation"), Qt::CaseInsensitive) == 0;
}

} // namespace

CCommandLine CCommandLine::Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Dayloom keeps a password-protected personal diary."));
    // One dash or two alike: -help, --help, -style fusion.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Print this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     tr("Print the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(
        QStringLiteral("DIARY"),
        tr("The diary to open: NAME.dayloom (encrypted) or NAME.ilm (four files). "
           "A name that does not exist yet is offered as a new diary."),
        QStringLiteral("[DIARY]"));
    AddWindowSystemOptions(parser);

    QStringList rest;
    for (const QString& argument : arguments) {
        if (rest.isEmpty() || !IsStartupSwitch(argument)) {
            rest.append(argument);
        }
    }
    if (rest.isEmpty()) {
        rest.append(kProgram);
    }

    CCommandLine result;
    auto fail = [&result](const QString& message) {
        result.m_action = Action::Error;
        result.m_output = kProgram + QStringLiteral(": ") + message + QLatin1Char('\n') +
                          tr("Try '%1 --help' for more information.").arg(kProgram) +
                          QLatin1Char('\n');
        return result;
    };
    if (!parser.parse(rest)) {
        return fail(parser.errorText());
    }
    if (parser.isSet(help)) {
        result.m_action = Action::Help;
        // Without an application object the parser cannot know the
        // program's name.
        result.m_output = parser.helpText().replace(QStringLiteral("<executable_name>"), kProgram);
        return result;
    }
    if (parser.isSet(version)) {
        result.m_action = Action::Version;
        result.m_output = kProgram + QStringLiteral(" " DAYLOOM_FULL_VERSION "\n");
        return result;
    }
    const QStringList diaries = parser.positionalArguments();
    if (diaries.size() > 1) {
        return fail(tr("Only one diary can be opened at a time."));
    }
    if (!diaries.isEmpty()) {
        if (diaries.front().isEmpty()) {
            return fail(tr("The diary's name is empty."));
        }
        result.m_diary = QDir::cleanPath(QFileInfo(diaries.front()).absoluteFilePath());
    }
    return result;
}

QString CCommandLine::DiaryProblem(const QString& path)
{
    const QFileInfo file(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (file.isDir()) {
        return tr("%1 is a folder, not a diary.").arg(shown);
    }
    const QString suffix = file.suffix().toLower();
    if (suffix != QStringLiteral("dayloom") && suffix != QStringLiteral("ilm")) {
        return tr("%1 is not a Dayloom diary: a diary's name ends in .dayloom or .ilm.").arg(shown);
    }
    if (file.exists() && !file.isFile()) {
        return tr("%1 is not a diary file.").arg(shown);
    }
    if (file.exists() && !file.isReadable()) {
        return tr("%1 cannot be read: you have no permission to read it.").arg(shown);
    }
    return QString();
}
