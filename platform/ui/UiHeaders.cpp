// Every public header compiles on its own and together.
#include "platform/ui/Ui.h"
#include "platform/ui/ScriptedHost.h"
