// Resource identifiers shared by the resource script and the code.
#pragma once

#include "about/resource.h"

#define IDI_APP 1
#define IDR_MANIFEST 1
