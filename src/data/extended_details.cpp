#include "data/extended_details.h"
