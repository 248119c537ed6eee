#pragma once
// Shows the store's file errors. Their texts carry the file's path as the
// file system spells it; every window decodes it here, the way Qt decodes
// file names, so a path reads the same in every message.

#include <QString>
#include <string>

class CFileError;
class QWidget;

class CFileErrorMessage
{
public:
    // The store's text of a file error or message, as the user reads it.
    static QString Text(const std::string& storeText);
    // Shows it with an OK button, captioned with the program's title.
    static void Show(QWidget* parent, const std::string& storeText);
    static void Show(QWidget* parent, const CFileError& error);
};
