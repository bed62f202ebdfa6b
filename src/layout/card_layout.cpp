#include "layout/card_layout.h"
