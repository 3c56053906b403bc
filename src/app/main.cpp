#include "app/QuillmereApp.h"

int main(int argc, char** argv)
{
    return QuillmereApp::Run(argc, argv);
}
