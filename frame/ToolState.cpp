#include "frame/ToolState.h"

ToolState toolState = kToolStateAtStartUp;
