#pragma once
// The file and folder choosers, with a scripted mode for tests.

#include "store/DiaryName.h"

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <optional>

class QWidget;

struct DiaryChoice
{
    QString path;      // full path of the index file
    CDiaryName name;   // the same, encoded, with its extension (none: not usable)
    QString fileTitle; // file name without folder and extension
};

class CFileDialogs
{
    Q_DECLARE_TR_FUNCTIONS(CFileDialogs)

public:
    // "Open existing or create a new diary": an existing diary or a new
    // name. The encrypted kind is listed first and selected; a name typed
    // without an extension gets the selected kind's ("dayloom" unless the
    // user chose the four-file kind, "ilm"). nullopt when cancelled.
    static const QString kEncryptedFilter;
    static const QString kScrambledFilter;
    static std::optional<DiaryChoice> OpenOrCreateDiary(QWidget* parent);
    // A folder chooser with the given title and accept-button text.
    static std::optional<QString> ChooseFolder(QWidget* parent, const QString& title,
                                               const QString& acceptLabel);

    // "Save picture": where to write a PNG picture, starting at
    // suggestedPath; nullopt when cancelled.
    static std::optional<QString> SavePicture(QWidget* parent, const QString& suggestedPath);
    // A file to write: title, name filter ("Markdown (*.md);;..."), the name
    // proposed (with its folder) and the suffix a name typed without one gets.
    static std::optional<QString> SaveFile(QWidget* parent, const QString& title,
                                           const QString& filter, const QString& proposed,
                                           const QString& defaultSuffix);
    // An existing file to read.
    static std::optional<QString> OpenFile(QWidget* parent, const QString& title,
                                           const QString& filter, const QString& folder);

    // The choice made from a path, as the dialog reports it; a name without
    // an extension gets `extension`.
    static DiaryChoice ChoiceFromPath(const QString& path,
                                      const QString& extension = QStringLiteral("dayloom"));

    // Scripted mode for tests: the next calls return the queued answers
    // (nullopt = cancelled; nothing queued = cancelled).
    static void SetScripted(bool scripted);
    static void PushDiary(std::optional<QString> path);
    static void PushFolder(std::optional<QString> path);
    static void PushPicture(std::optional<QString> path);
    // Answers SaveFile and OpenFile; the name the last SaveFile proposed.
    static void PushFile(std::optional<QString> path);
    static QString LastProposed();
    static void Reset();
};
