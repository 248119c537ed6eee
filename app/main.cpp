#include "app/DayloomApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CDayloomApp program;
    program.InitInstance(QApplication::arguments());
    return 0;
}
