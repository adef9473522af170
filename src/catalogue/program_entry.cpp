#include "catalogue/catalogue.h"
#include "host/runtime.h"

int ProgramEntry(int argc, char** argv) {
  StartHostRuntime(argc, argv);
  InitCatalogue();
  RegisterExitRoutine(ReleaseCatalogue);
  LoadMainWindow();
  return RunMessageLoop();
}
