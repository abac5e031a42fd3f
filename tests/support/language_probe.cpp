// Prints the language the program would choose under this process's
// environment, for the language test.

#include "Language.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::puts(orvane::systemLanguage() == orvane::UiLanguage::English ? "English" : "Japanese");
    return 0;
}
