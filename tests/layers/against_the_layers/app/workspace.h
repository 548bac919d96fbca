// The top may include everything below it.
#pragma once
#include "encoding/pivot.h"
#include "fonts/registry.h"
