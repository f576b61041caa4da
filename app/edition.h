// Build constants of an edition: the only thing in which the three programs
// differ. Defined per program in edition.cpp from compile definitions.
#ifndef APP_EDITION_H
#define APP_EDITION_H

extern const int kEditionAppType;      // application type given to the connection
extern const char kEditionBaseName[];  // executable base name; names the settings file
extern const char kEditionTitle[];     // product title, the report's default product name

#endif
