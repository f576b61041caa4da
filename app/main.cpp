// The program's one application object.
#include "app/breakdown_app.h"

static CBreakdownApp theApp;
