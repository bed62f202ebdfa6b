#include "data/publisher_table.h"
