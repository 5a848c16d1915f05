// New random identifiers for puzzles and saved games.
#pragma once

#include "model/guid.h"

// Version 4 with the RFC 4122 variant: from CoCreateGuid on Windows, elsewhere from the system's
// random device.
Guid RandomGuid();
