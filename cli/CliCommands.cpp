#include "CliCommands.h"
