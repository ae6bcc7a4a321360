// Quorvel: configuration of DPM dictation recorders.
#include "app/MarnCtrlApp.h"

namespace {
CMarnCtrlApp theApp;
}

int main(int argc, char** argv) { return theApp.WinMain(argc, argv); }
