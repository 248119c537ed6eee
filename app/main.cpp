#include "app/DataSelfCheck.h"
#include "app/DayloomApp.h"
#include "store/ProcessHardening.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv)
{
    // Before anything of a diary is in memory: no core file, no dumping.
    CProcessHardening::Apply();
    QApplication application(argc, argv);
    // Installation self-check (DAYLOOM_CHECK_DATA=1): lists the data files
    // found and ends before any window opens.
    if (CDataSelfCheck::Requested()) {
        return CDataSelfCheck::Run(std::cout);
    }
    CDayloomApp program;
    program.InitInstance(QApplication::arguments());
    return 0;
}
