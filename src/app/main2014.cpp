#include "frame/gui/Program.h"

int main(int argc, char** argv) { return RunBuild(argc, argv, lohn::kYear2014); }
