#include "CliOptions.h"
