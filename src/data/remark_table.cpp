#include "data/remark_table.h"
