#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Program program(application);
    program.start();
    if (program.forms().hasEnded())
        return 0;
    return application.exec();
}
