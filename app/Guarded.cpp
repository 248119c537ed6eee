#include "app/Guarded.h"

#include "platform/FileErrorMessage.h"
#include "store/FileError.h"

void Guarded(QWidget* parent, const std::function<void()>& command)
{
    try {
        command();
    } catch (const CFileError& error) {
        CFileErrorMessage::Show(parent, error);
    }
}
