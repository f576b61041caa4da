// Edition constants, from the definitions the build gives each program.
#include "app/edition.h"

#ifndef EDITION_APPTYPE
#error "EDITION_APPTYPE, EDITION_BASENAME and EDITION_TITLE come from the build"
#endif

const int kEditionAppType = EDITION_APPTYPE;
const char kEditionBaseName[] = EDITION_BASENAME;
const char kEditionTitle[] = EDITION_TITLE;
