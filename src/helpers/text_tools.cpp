#include "helpers/text_tools.h"
