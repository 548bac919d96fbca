// The encoding layer reaching up into the program: the checker must refuse it.
#pragma once
#include "app/workspace.h"
#include "common/bytes.h"
