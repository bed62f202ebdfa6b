#include "data/group_file.h"
