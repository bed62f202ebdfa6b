#include "layout/settings.h"
