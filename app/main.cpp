#include "Application.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    return 0;
}
