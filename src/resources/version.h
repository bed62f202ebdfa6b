// The program's version: the one place that names it. The About box, the
// executable's properties (version.rc), the package's name (tools/package.sh)
// and the user guide (tools/guide/make-guide.sh) all take it from here. Every
// release that changes the program gets a new one (README.md, "Releases").
#pragma once

#define VORLANT_VERSION "6"
// The same as numbers, for the executable's properties: major, minor, 0, 0.
#define VORLANT_VERSION_NUMBERS 6, 0, 0, 0
