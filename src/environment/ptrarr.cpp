#include "environment/ptrarr.h"
